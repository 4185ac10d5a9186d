#include "link/qt_port_detector.h"

#include "link/qt_serial_link.h"

#include <QThread>

void RunOnQThreads(const std::vector<std::function<void()>>& tasks) {
    std::vector<std::unique_ptr<QThread>> threads;
    for (const auto& task : tasks) {
        threads.emplace_back(QThread::create(task));
        threads.back()->start();
    }
    for (const auto& thread : threads)
        thread->wait();
}

Detection DetectRadioOnSerialPorts(const std::vector<PortSlot>& ports) {
    return DetectRadio(
        ports, [] { return std::make_unique<QtSerialLink>(); }, RunOnQThreads);
}
