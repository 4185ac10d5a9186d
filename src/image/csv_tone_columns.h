#pragma once

#include <string>
#include <string_view>

// The tone columns of a CSV channel row. Unused columns keep the defaults other tools write.
struct ToneColumns {
    std::string tone;                // "", "Tone", "TSQL", "DTCS", "DTCS-R", "TSQL-R", "Cross"
    std::string rToneFreq = "88.5";  // transmit CTCSS
    std::string cToneFreq = "88.5";  // receive CTCSS (both ways for TSQL)
    std::string dtcsCode = "023";    // transmit DCS (both ways for DTCS)
    std::string dtcsPolarity = "NN"; // transmit, receive: N normal, R inverted
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

// The columns that say exactly what the two tone texts of a channel say ("无", "88.5", "D023N").
ToneColumns ToneColumnsFor(std::string_view txTone, std::string_view rxTone);

// The two tone texts the columns describe, both items of the tone list. `problem` is set when
// the radio cannot hold them (the row is then skipped); `adapted` when they were changed to
// something it can.
struct TonePair {
    std::string tx;
    std::string rx;
};
TonePair TonesFromColumns(const ToneColumns& columns, std::string& problem, std::string& adapted);
