// The search for the game's installation folder, run on a thread of its own: a home can hold
// hundreds of Wine prefixes, and the window that starts the search must stay responsive and
// paint at once meanwhile.
#pragma once

#include "core/registry/PrefixSearch.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <stop_token>
#include <thread>

namespace vornask {

class InstallDirSearch : public QObject {
    Q_OBJECT
public:
    using Reader = std::function<InstallDirLookup(const SearchStart&, std::stop_token)>;

    InstallDirSearch();
    // Asks a search still running to stop and waits for it, which takes at most the reading
    // of one registry file.
    ~InstallDirSearch() override;

    // What the search runs: ReadInstallDir unless set otherwise before it starts.
    void SetReader(Reader reader) { reader_ = std::move(reader); }

    // Starts the search where the environment says now; only the first call does.
    void Start();

    // Waits until a started search has ended, and hands its result out now unless it was
    // already. Needed where the result is, before the search has sent it.
    void Wait();

signals:
    // Once, on this object's thread, when the search has ended.
    void Finished(const vornask::InstallDirLookup& lookup);

private:
    void HandOut();

    Reader reader_;
    std::jthread thread_;
    InstallDirLookup result_; // written by the search's thread before it ends
    std::atomic<bool> ended_ = false;
    bool started_ = false;
    bool handedOut_ = false;
};

} // namespace vornask
