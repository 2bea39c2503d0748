// The save procedure with random names, answers and sides, over a file store in memory that
// fails at random steps and holds some read-only files. After every run each file holds its
// old bytes or the new ones, only the last chosen file and its copy changed, the copy never
// holds newer bytes than the file, an existing file was replaced only after a "Yes" (the old
// bytes always differ from the new ones, so an ".english" file's own copy is asked about too,
// unless it held the same bytes as that file), a read-only file never changed, no temporary
// file is left, and the result and the messages say what happened.
#include "Check.h"
#include "core/saving/SaveProcedure.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <set>

using namespace vornask;

namespace {

// Names that meet each other's copies: an ".english" file and its own copy, copies cut at
// another ".eng", a name without one, and the same in a folder.
// Copies in another letter case stand for theirs when those are missing.
constexpr const char* kNames[] = {
    "m.english",   "m.german",      "m.engine",     "my.engine.map.english",
    "my.german",   "a.eng.english", "a.eng.german", "notes.txt",
    "d/m.english", "d/m.german",    "M.GERMAN",     "A.ENG.ENGLISH"};
constexpr int kMostDialogs = 4;

std::string OldBytes(const std::string& path) {
    return "old " + path; // never ends in CR LF, so never the new bytes
}

// Decides by a byte of the input; an input that has run out never fails a step.
bool Fails(FuzzedDataProvider& data) {
    return data.ConsumeIntegralInRange<int>(0, 3) == 3;
}

class MemoryStore : public FileStore {
public:
    explicit MemoryStore(FuzzedDataProvider& data) : data_(data) {}

    bool Exists(const std::string& path) override { return files.count(path) > 0; }
    bool Differs(const std::string& path, const std::string& bytes) override {
        return Exists(path) && files[path] != bytes;
    }
    bool SameBytes(const std::string& first, const std::string& second) override {
        return Exists(first) && Exists(second) && files[first] == files[second];
    }
    bool ReadOnly(const std::string& path) override {
        return Exists(path) && readOnly.count(path) > 0;
    }
    std::vector<std::string> NamesInFolderOf(const std::string& path) override {
        const std::size_t separator = path.rfind('/');
        const std::string folder =
            separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
        std::vector<std::string> names;
        for (const auto& [name, bytes] : files)
            if (name.starts_with(folder) && name.find('/', folder.size()) == std::string::npos)
                names.push_back(name.substr(folder.size()));
        return names;
    }
    TemporaryFile WriteTemporary(const std::string& target, const std::string& bytes) override {
        if (Fails(data_))
            return {
                {},
                StoreError{"Permission denied", data_.ConsumeBool() ? "folder of " + target : ""}};
        const std::string name = "temporary " + std::to_string(next_++);
        temporaries[name] = bytes;
        return {name, std::nullopt};
    }
    std::optional<StoreError> Rename(const std::string& temporary,
                                     const std::string& target) override {
        Check(temporaries.count(temporary) == 1);
        if (Fails(data_))
            return StoreError{"Is a directory", {}};
        files[target] = temporaries[temporary];
        temporaries.erase(temporary);
        return std::nullopt;
    }
    void Discard(const std::string& temporary) override {
        Check(temporaries.erase(temporary) == 1);
    }

    std::map<std::string, std::string> files;
    std::map<std::string, std::string> temporaries;
    std::set<std::string> readOnly;

private:
    FuzzedDataProvider& data_;
    int next_ = 0;
};

// Chooses names and answers from the input; gives up after a few dialogs. Remembers the
// last attempt: its name, what it agreed to replace and what it was told.
class FuzzUser : public SaveUser {
public:
    FuzzUser(FuzzedDataProvider& data, MemoryStore& store) : data_(data), store_(store) {}

    std::optional<std::string> AskFileName() override {
        chosen.reset();
        replaceable.clear();
        kept.clear();
        told.clear();
        if (++dialogs > kMostDialogs || data_.ConsumeIntegralInRange<int>(0, 7) == 7)
            return std::nullopt;
        if (data_.ConsumeIntegralInRange<int>(0, 7) == 7)
            chosen = data_.ConsumeRandomLengthString(16);
        else
            chosen = kNames[data_.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
        return chosen;
    }
    Answer Confirm(const SaveMessage& question, bool withCancel) override {
        if (question.kind == SaveMessageKind::SureNotToSave)
            return dialogs > kMostDialogs || data_.ConsumeBool() ? Answer::Yes : Answer::No;
        // Only an ".english" file's own copy is asked about as a copy, without "Cancel".
        const bool ownCopy = question.kind == SaveMessageKind::ReplaceDifferentCopy;
        Check(ownCopy ? !withCancel && HasEnglishExtension(*chosen) &&
                            question.path == AsNamedOnDisk(*GermanCopyPath(*chosen), store_)
                      : question.kind == SaveMessageKind::Overwrite && withCancel);
        const Answer answer =
            ownCopy ? data_.PickValueInArray({Answer::No, Answer::Yes})
                    : data_.PickValueInArray({Answer::No, Answer::Yes, Answer::Cancel});
        if (answer == Answer::Yes)
            replaceable.insert(question.path);
        else if (ownCopy)
            kept.insert(question.path);
        return answer;
    }
    void Warn(const SaveMessage& message) override { told.push_back(message); }
    void ReportError(const SaveMessage& message) override {
        told.push_back(message);
        ++errors;
    }

    int dialogs = 0;
    int errors = 0; // in all attempts
    std::optional<std::string> chosen;
    std::set<std::string> replaceable;
    std::set<std::string> kept; // own copies the user chose to keep
    std::vector<SaveMessage> told;

private:
    FuzzedDataProvider& data_;
    MemoryStore& store_;
};

bool Holds(const std::map<std::string, std::string>& files, const std::string& path,
           const std::string& bytes) {
    const auto file = files.find(path);
    return file != files.end() && file->second == bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool duplicate = data.ConsumeBool();
    const SaveSide side = data.ConsumeBool() ? SaveSide::Mission : SaveSide::Campaign;
    const std::vector<std::string> lines = {data.ConsumeRandomLengthString(16)};
    const std::string newBytes = lines.front() + "\r\n";

    MemoryStore store(data);
    for (const char* name : kNames) {
        if (data.ConsumeBool())
            store.files[name] = OldBytes(name);
        if (data.ConsumeIntegralInRange<int>(0, 7) == 7)
            store.readOnly.insert(name);
    }
    // Sometimes a copy of its ".english" file as it stands.
    for (const auto& [file, copy] : {std::pair("m.english", "m.german"), {"m.english", "M.GERMAN"}})
        if (store.files.count(file) > 0 && data.ConsumeIntegralInRange<int>(0, 3) == 3)
            store.files[copy] = store.files[file];
    const std::map<std::string, std::string> before = store.files;
    FuzzUser user(data, store);
    const SaveResult result = SaveLinesToFile(lines, duplicate, side, user, store);

    Check(store.temporaries.empty());
    // Only the last attempt may have changed anything, and only its file and copy.
    const std::optional<std::string> copy =
        duplicate && user.chosen && GermanCopyPath(*user.chosen)
            ? std::optional(AsNamedOnDisk(*GermanCopyPath(*user.chosen), store))
            : std::nullopt;
    std::set<std::string> targets;
    if (user.chosen)
        targets.insert(*user.chosen);
    if (copy)
        targets.insert(*copy);
    // A copy of the ".english" file replaced goes with it unasked.
    const bool copyOfTheFile = copy && HasEnglishExtension(*user.chosen) &&
                               before.count(*copy) > 0 && before.count(*user.chosen) > 0 &&
                               before.at(*copy) == before.at(*user.chosen);
    for (const auto& [path, held] : store.files) {
        const bool unchanged = before.count(path) > 0 && held == before.at(path);
        Check(unchanged || (held == newBytes && targets.count(path) > 0));
        // An existing file is replaced after a "Yes", a read-only one never.
        if (!unchanged && before.count(path) > 0)
            Check((user.replaceable.count(path) > 0 || (copyOfTheFile && path == *copy)) &&
                  store.readOnly.count(path) == 0);
    }
    const bool fileSaved = user.chosen && Holds(store.files, *user.chosen, newBytes);
    Check(result.saved == fileSaved);
    Check(result.writeFailed == (user.errors > 0));
    const bool copySaved = copy && Holds(store.files, *copy, newBytes);
    // The copy is never newer than the file.
    Check(!copySaved || fileSaved);
    if (!fileSaved)
        return 0;
    // A saved file ends the saving; only a copy that could not follow is reported.
    const SaveMessageKind withoutCopy = side == SaveSide::Mission
                                            ? SaveMessageKind::MissionSavedWithoutCopy
                                            : SaveMessageKind::CampaignSavedWithoutCopy;
    const SaveMessageKind copyKept = side == SaveSide::Mission
                                         ? SaveMessageKind::MissionSavedCopyKept
                                         : SaveMessageKind::CampaignSavedCopyKept;
    const SaveMessageKind copyReadOnly = side == SaveSide::Mission
                                             ? SaveMessageKind::MissionSavedCopyReadOnly
                                             : SaveMessageKind::CampaignSavedCopyReadOnly;
    if (!copy || copySaved)
        Check(user.told.empty());
    else if (user.kept.count(*copy) > 0)
        Check(user.told.size() == 1 && user.told.front() == SaveMessage{copyKept, *copy, {}});
    else if (before.count(*copy) > 0 && store.readOnly.count(*copy) > 0)
        Check(user.told.size() == 1 && user.told.front() == SaveMessage{copyReadOnly, *copy, {}});
    else
        Check(user.told.size() == 1 &&
              user.told.front() == SaveMessage{withoutCopy, *copy, "Is a directory"});
    return 0;
}
