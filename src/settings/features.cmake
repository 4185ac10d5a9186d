# Sources this part adds to kestra_gui (target_sources(kestra_gui PRIVATE ...)).
