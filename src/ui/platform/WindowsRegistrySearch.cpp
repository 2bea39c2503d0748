#include "ui/platform/WindowsRegistrySearch.h"

#include "ui/platform/WindowsRegistry.h"

#include <QGuiApplication>

namespace vornask {

InstallDirSearch::InstallDirSearch()
    : reader_([](const SearchStart& start, std::stop_token stop) {
          return ReadInstallDir(start, std::move(stop));
      }) {}

InstallDirSearch::~InstallDirSearch() {
    // Before this object stops being one: the search's thread posts to it as it ends.
    thread_.request_stop();
    if (thread_.joinable())
        thread_.join();
}

void InstallDirSearch::Start() {
    if (started_)
        return;
    started_ = true;
    // The environment is read here, on the thread that may change it.
    const SearchStart start = SearchStart::FromEnvironment();
    thread_ = std::jthread([this, start](std::stop_token stop) {
        result_ = reader_(start, std::move(stop));
        ended_ = true;
        QMetaObject::invokeMethod(this, &InstallDirSearch::HandOut, Qt::QueuedConnection);
    });
}

void InstallDirSearch::Wait() {
    if (!started_ || handedOut_)
        return;
    // The busy cursor only for a wait the user notices: loading it costs more than a search
    // of an ordinary home.
    const bool busy = !ended_;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    thread_.join();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    HandOut();
}

void InstallDirSearch::HandOut() {
    if (handedOut_)
        return;
    handedOut_ = true;
    emit Finished(result_);
}

} // namespace vornask
