#include "app/image_step.h"

#include "app/app_globals.h"

ImageHistory g_history;
CleanImage g_cleanImage;

static int s_openSteps = 0;

CImageSteps& CImageSteps::Instance() {
    static CImageSteps instance;
    return instance;
}

CImageStep::CImageStep(const QString& name)
    : m_name(name), m_before(g_image), m_outermost(s_openSteps++ == 0) {}

CImageStep::~CImageStep() {
    --s_openSteps;
    if (!m_outermost)
        return;
    g_history.Record(m_name.toStdString(), m_before, g_image);
    emit CImageSteps::Instance().Changed();
}
