// The save procedure's decisions, answered by a scripted user, writing into a temporary
// folder through the real file store.
#include "core/saving/SaveProcedure.h"
#include "ui/platform/DialogSaveUser.h"
#include "ui/platform/DiskFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace vornask;

namespace {

// Answers the procedure from a script and records what it was asked, with the temporary
// folder written as "<dir>".
class ScriptedUser : public SaveUser {
public:
    ScriptedUser(const QString& dir, std::deque<std::optional<QString>> names,
                 std::deque<Answer> answers)
        : dir_(dir), names_(std::move(names)), answers_(std::move(answers)) {}

    std::optional<std::string> AskFileName() override {
        log << QStringLiteral("dialog");
        if (names_.empty() || log.size() > 40) {
            log << QStringLiteral("unscripted dialog");
            return std::nullopt;
        }
        const std::optional<QString> name = names_.front();
        names_.pop_front();
        if (!name)
            return std::nullopt;
        return (dir_ + QLatin1Char('/') + *name).toStdString();
    }
    Answer Confirm(const SaveMessage& question, bool withCancel) override {
        log << QStringLiteral("confirm%1:").arg(withCancel ? "YNC" : "YN") + Relative(question);
        if (answers_.empty()) {
            log << QStringLiteral("unscripted answer");
            return Answer::Yes;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void Warn(const SaveMessage& message) override {
        log << QStringLiteral("warn:") + Relative(message);
    }
    void ReportError(const SaveMessage& message) override {
        log << QStringLiteral("error:") + Relative(message);
    }

    QStringList log;

private:
    // Worded as the message box words it.
    QString Relative(const SaveMessage& message) const {
        return DialogSaveUser::Text(message).replace(dir_, QStringLiteral("<dir>"));
    }

    QString dir_;
    std::deque<std::optional<QString>> names_;
    std::deque<Answer> answers_;
};

// The real store, recording the order of its writes and renames by their targets. The step
// numbered `failAt` (counting writes and renames from 0) fails as a full disk would.
class RecordingStore : public FileStore {
public:
    RecordingStore(const QString& dir, QStringList& log, int failAt)
        : dir_(dir), log_(log), failAt_(failAt) {}
    bool Exists(const std::string& path) override { return disk_.Exists(path); }
    bool Differs(const std::string& path, const std::string& bytes) override {
        return disk_.Differs(path, bytes);
    }
    bool SameBytes(const std::string& first, const std::string& second) override {
        return disk_.SameBytes(first, second);
    }
    bool ReadOnly(const std::string& path) override { return disk_.ReadOnly(path); }
    std::vector<std::string> NamesInFolderOf(const std::string& path) override {
        return disk_.NamesInFolderOf(path);
    }
    TemporaryFile WriteTemporary(const std::string& target, const std::string& bytes) override {
        if (const auto failure = Step("write:", target))
            return {{}, failure};
        return disk_.WriteTemporary(target, bytes);
    }
    std::optional<StoreError> Rename(const std::string& temporary,
                                     const std::string& target) override {
        if (const auto failure = Step("rename:", target))
            return failure;
        return disk_.Rename(temporary, target);
    }
    void Discard(const std::string& temporary) override { disk_.Discard(temporary); }

private:
    std::optional<StoreError> Step(const char* what, const std::string& target) {
        log_ << what + QString::fromStdString(target).replace(dir_, QStringLiteral("<dir>"));
        if (step_++ != failAt_)
            return std::nullopt;
        return StoreError{std::strerror(ENOSPC), {}};
    }

    DiskFileStore disk_;
    QString dir_;
    QStringList& log_;
    int failAt_;
    int step_ = 0;
};

const std::vector<std::string> kLines = {"[Header]", "title = \"M\xE9ine\"", "", "[END]"};
const QByteArray kBytes("[Header]\r\ntitle = \"M\xE9ine\"\r\n\r\n[END]\r\n");
const QString kSure = QStringLiteral("confirmYN:Sure you don't want to save?");
const QString kWrongExtension = QStringLiteral("warn:You didn't use an .english file extension!");

// The log of a save that writes each target into a temporary file, then renames each.
QStringList Written(const QStringList& names) {
    QStringList log;
    for (const char* step : {"write:<dir>/", "rename:<dir>/"})
        for (const QString& name : names)
            log << step + name;
    return log;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList FilesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

struct Run {
    SaveResult result;
    QStringList log;
};

Run Save(const QString& dir, bool duplicate, std::deque<std::optional<QString>> names,
         std::deque<Answer> answers, const std::vector<std::string>& lines = kLines,
         SaveSide side = SaveSide::Mission, int failAt = -1) {
    ScriptedUser user(dir, std::move(names), std::move(answers));
    RecordingStore files(dir, user.log, failAt);
    const SaveResult result = SaveLinesToFile(lines, duplicate, side, user, files);
    return {result, user.log};
}

mode_t Mode(const QString& path) {
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Lets a folder's permission bits bind even when the tests run as root, by dropping the
// right to override them for as long as it lives.
class WithoutOverridingPermissions {
public:
    WithoutOverridingPermissions() {
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        active_ = syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~WithoutOverridingPermissions() {
        if (active_)
            syscall(SYS_capset, &header_, saved_);
    }
    bool Active() const { return active_; }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};

} // namespace

Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(SaveSide)

class SaveProcedureTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> temp_;
    QString dir_;

private slots:
    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temp_->isValid());
        dir_ = temp_->path();
    }

    void germanCopyNameIsCutFromTheFileNameOnly_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("copy");
        QTest::newRow("english") << "/maps/mission.english"
                                 << "/maps/mission.german";
        QTest::newRow("engine") << "/maps/test.engine"
                                << "/maps/test.german";
        // An ".english" ending is replaced whatever stands before it.
        QTest::newRow(".eng before .english") << "/maps/a.eng.english"
                                              << "/maps/a.eng.german";
        QTest::newRow("engine map") << "/maps/my.engine.map.english"
                                    << "/maps/my.engine.map.german";
        QTest::newRow("engine map, no .english") << "/maps/my.engine.map"
                                                 << "/maps/my.german";
        QTest::newRow("folder old.eng") << "/maps/old.eng/m.english"
                                        << "/maps/old.eng/m.german";
        QTest::newRow("windows folder") << "C:\\x.eng\\Guide1.english"
                                        << "C:\\x.eng\\Guide1.german";
        // ".english" in any letter case, the copy's ending in the same case.
        QTest::newRow("capitals") << "/maps/M.ENGLISH"
                                  << "/maps/M.GERMAN";
        QTest::newRow("capital first") << "/maps/Thief.English"
                                       << "/maps/Thief.German";
        QTest::newRow("cut name, capitals") << "/maps/M.ENGINE"
                                            << "";
        QTest::newRow("only the folder") << "/maps/old.eng/notes.txt"
                                         << "";
    }
    void germanCopyNameIsCutFromTheFileNameOnly() {
        QFETCH(QString, path);
        QFETCH(QString, copy);
        const auto result = GermanCopyPath(path.toStdString());
        QCOMPARE(result ? QString::fromStdString(*result) : QString(), copy);
    }

    void bareNameWritesBothThenRenamesTheFileBeforeItsCopy() {
        // The dialog has added the default extension to the typed "mission".
        const Run run = Save(dir_, true, {"mission.english"}, {});
        QVERIFY(run.result.saved);
        QCOMPARE(run.log, QStringList{"dialog"} + Written({"mission.english", "mission.german"}));
        QCOMPARE(Contents(dir_ + "/mission.english"), kBytes);
        QCOMPARE(Contents(dir_ + "/mission.german"), kBytes);
        QCOMPARE(FilesIn(dir_), QStringList({"mission.english", "mission.german"}));
    }

    void cancellingAsksWhetherToGiveUp() {
        const Run run = Save(dir_, true, {std::nullopt, std::nullopt}, {Answer::No, Answer::Yes});
        QVERIFY(!run.result.saved);
        QVERIFY(!run.result.writeFailed);
        QCOMPARE(run.log, QStringList({"dialog", kSure, "dialog", kSure}));
        QVERIFY(FilesIn(dir_).isEmpty());

        const Run second = Save(dir_, false, {std::nullopt, "late.english"}, {Answer::No});
        QVERIFY(second.result.saved);
        QCOMPARE(second.log, QStringList({"dialog", kSure, "dialog"}) + Written({"late.english"}));
        // The file written is the one chosen last, not the cancelled dialog's nothing.
        QCOMPARE(QString::fromStdString(second.result.path), dir_ + "/late.english");
    }

    void existingFileIsReplacedOnlyAfterYes_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Cancel") << Answer::Cancel;
        QTest::newRow("Yes") << Answer::Yes;
    }
    void existingFileIsReplacedOnlyAfterYes() {
        QFETCH(Answer, answer);
        Put(dir_ + "/mission.english", "old\r\n");
        const Run run = Save(dir_, true, {"mission.english", std::nullopt}, {answer, Answer::Yes});
        const QString overwrite = "confirmYNC:Overwrite <dir>/mission.english?";
        if (answer == Answer::Yes) {
            QVERIFY(run.result.saved);
            QCOMPARE(run.log, QStringList({"dialog", overwrite}) +
                                  Written({"mission.english", "mission.german"}));
            QCOMPARE(Contents(dir_ + "/mission.english"), kBytes);
        } else {
            QVERIFY(!run.result.saved);
            QCOMPARE(run.log, QStringList({"dialog", overwrite, "dialog", kSure}));
            QCOMPARE(Contents(dir_ + "/mission.english"), QByteArray("old\r\n"));
            QCOMPARE(FilesIn(dir_), QStringList({"mission.english"}));
        }
    }

    // The ".english" file's own copy may be a translation: replaced unasked only while it holds
    // what is being written; "No" saves the file alone and says so.
    void ownCopyThatDiffersIsReplacedOnlyAfterYes_data() {
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<SaveSide>("side");
        QTest::addColumn<QStringList>("log");
        const QString ask = "confirmYN:Replace <dir>/mission.german? It differs from the file "
                            "being saved.";
        const QString both = "mission.english mission.german";
        QTest::newRow("same bytes") << kBytes << Answer::No << SaveSide::Mission
                                    << QStringList{"dialog"} + Written(both.split(' '));
        QTest::newRow("differs, Yes")
            << QByteArray("Übersetzung\r\n") << Answer::Yes << SaveSide::Mission
            << QStringList({"dialog", ask}) + Written(both.split(' '));
        QTest::newRow("differs, No")
            << QByteArray("Übersetzung\r\n") << Answer::No << SaveSide::Mission
            << QStringList({"dialog", ask}) + Written({"mission.english"}) +
                   QStringList{"warn:The mission was saved; its German copy "
                               "<dir>/mission.german was left as it was."};
        // Only the last byte differs: the bytes are compared, not the sizes.
        QByteArray almost = kBytes;
        almost.back() = ' ';
        QTest::newRow("last byte differs, No, campaign")
            << almost << Answer::No << SaveSide::Campaign
            << QStringList({"dialog", ask}) + Written({"mission.english"}) +
                   QStringList{"warn:The campaign was saved; its German copy "
                               "<dir>/mission.german was left as it was."};
    }
    void ownCopyThatDiffersIsReplacedOnlyAfterYes() {
        QFETCH(QByteArray, copy);
        QFETCH(Answer, answer);
        QFETCH(SaveSide, side);
        QFETCH(QStringList, log);
        Put(dir_ + "/mission.german", copy);
        const Run run = Save(dir_, true, {"mission.english"}, {answer}, kLines, side);
        QVERIFY(run.result.saved);
        QCOMPARE(run.log, log);
        QCOMPARE(Contents(dir_ + "/mission.english"), kBytes);
        QCOMPARE(Contents(dir_ + "/mission.german"), answer == Answer::Yes ? kBytes : copy);
    }

    // A file the user may not write is not replaced, even where the folder would allow it;
    // the dialog comes back for another name.
    void readOnlyFilesAreNotReplaced_data() {
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("file") << false;
        QTest::newRow("another user's file") << true;
    }
    void readOnlyFilesAreNotReplaced() {
        QFETCH(bool, otherOwner);
        Put(dir_ + "/mission.english", "old\r\n");
        const QByteArray path = QFile::encodeName(dir_ + "/mission.english");
        if (otherOwner)
            QVERIFY(chown(path.constData(), 12345, 12345) == 0 || errno == EPERM);
        else
            QCOMPARE(chmod(path.constData(), 0444), 0);
        Run run;
        {
            WithoutOverridingPermissions guard;
            if (otherOwner &&
                (!guard.Active() || faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0))
                QSKIP("no file of another user can be made here");
            run = Save(dir_, true, {"mission.english", "other.english"}, {Answer::Yes});
        }
        QVERIFY(run.result.saved);
        QVERIFY(run.result.writeFailed);
        QCOMPARE(run.log,
                 QStringList({"dialog", "error:<dir>/mission.english is read-only.", "dialog"}) +
                     Written({"other.english", "other.german"}));
        QCOMPARE(Contents(dir_ + "/mission.english"), QByteArray("old\r\n"));
    }

    // A copy that may not be written costs the file nothing: the file is saved alone, unasked
    // about the copy, and the user is told why the copy was not written. (An ".english" file's
    // own copy: see the windows' tests.)
    void aReadOnlyCopyOfACutNameIsKeptAndTheFileSavedAlone() {
        Put(dir_ + "/test.german", "old\r\n");
        QCOMPARE(chmod(QFile::encodeName(dir_ + "/test.german").constData(), 0444), 0);
        const Run run = Save(dir_, true, {"test.engine"}, {});
        QVERIFY(run.result.saved);
        QVERIFY(!run.result.writeFailed);
        QCOMPARE(run.log, QStringList{"dialog"} + Written({"test.engine"}) +
                              QStringList{"warn:The mission was saved, but its German copy "
                                          "<dir>/test.german was not written: it is read-only."});
        QCOMPARE(Contents(dir_ + "/test.german"), QByteArray("old\r\n"));
    }

    // On Windows, where the game runs, "THIEF.german" is the copy of "Thief.english": found in
    // any letter case, it is asked about, compared and replaced under its own name.
    void aCopyInAnotherLetterCaseIsTheCopy_data() {
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QByteArray>("held");
        QTest::addColumn<bool>("asked");
        QTest::newRow("upper case, a copy") << "THIEF.german" << QByteArray("old\r\n") << false;
        QTest::newRow("upper case ending, a translation")
            << "Thief.GERMAN" << QByteArray("alt\r\n") << true;
    }
    void aCopyInAnotherLetterCaseIsTheCopy() {
        QFETCH(QString, copy);
        QFETCH(QByteArray, held);
        QFETCH(bool, asked);
        Put(dir_ + "/Thief.english", "old\r\n");
        Put(dir_ + '/' + copy, held);
        DiskFileStore store;
        QCOMPARE(CopyMatchesFile((dir_ + "/Thief.english").toStdString(), store), !asked);
        const Run run = Save(dir_, true, {"Thief.english"}, {Answer::Yes, Answer::Yes});
        QStringList log = {"dialog", "confirmYNC:Overwrite <dir>/Thief.english?"};
        if (asked)
            log << "confirmYN:Replace <dir>/" + copy + "? It differs from the file being saved.";
        QCOMPARE(run.log, log + Written({"Thief.english", copy}));
        QCOMPARE(FilesIn(dir_), QStringList({copy, "Thief.english"}));
        QCOMPARE(Contents(dir_ + '/' + copy), kBytes);
    }

    // A symbolic link whose target is missing is a file in the way: asked about, and written
    // through, so that the link stays a link.
    void aDanglingLinkIsAskedAboutAndWrittenThrough_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("relative, Yes") << "maps/new.english" << Answer::Yes;
        QTest::newRow("relative, No") << "maps/new.english" << Answer::No;
        QTest::newRow("absolute, Yes") << "<dir>/maps/new.english" << Answer::Yes;
        QTest::newRow("to a link, Yes") << "second.english" << Answer::Yes;
    }
    void aDanglingLinkIsAskedAboutAndWrittenThrough() {
        QFETCH(QString, link);
        QFETCH(Answer, answer);
        QVERIFY(QDir(dir_).mkdir("maps"));
        QVERIFY(QFile::link("maps/new.english", dir_ + "/second.english"));
        const QByteArray target = QFile::encodeName(QString(link).replace("<dir>", dir_));
        QCOMPARE(symlink(target.constData(), QFile::encodeName(dir_ + "/link.english")), 0);
        const Run run = Save(dir_, false, {"link.english", std::nullopt}, {answer, Answer::Yes});
        QCOMPARE(run.log.mid(0, 2),
                 QStringList({"dialog", "confirmYNC:Overwrite <dir>/link.english?"}));
        QCOMPARE(run.result.saved, answer == Answer::Yes);
        QVERIFY(QFileInfo(dir_ + "/link.english").isSymLink());
        QCOMPARE(Contents(dir_ + "/maps/new.english"),
                 answer == Answer::Yes ? kBytes : QByteArray("<missing>"));
        QCOMPARE(FilesIn(dir_ + "/maps"),
                 answer == Answer::Yes ? QStringList{"new.english"} : QStringList());
    }

    void aLinkLoopGivesTheSystemsReason() {
        QVERIFY(QFile::link("loop.english", dir_ + "/loop.english"));
        const Run run =
            Save(dir_, false, {"loop.english", std::nullopt}, {Answer::Yes, Answer::Yes});
        QCOMPARE(run.log.mid(2, 2), QStringList({"write:<dir>/loop.english",
                                                 "error:Cannot create file <dir>/loop.english: " +
                                                     QString(std::strerror(ELOOP))}));
        QVERIFY(QFileInfo(dir_ + "/loop.english").isSymLink());
    }

    void extensionDecidesTheCopy_data() {
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("files");
        const QStringList refused = {"dialog", kWrongExtension, "dialog", kSure};
        QTest::newRow("capitals") << true << "MISSION.ENGLISH"
                                  << QStringList{"dialog"} +
                                         Written({"MISSION.ENGLISH", "MISSION.GERMAN"})
                                  << QStringList({"MISSION.ENGLISH", "MISSION.GERMAN"});
        QTest::newRow("no .eng") << true << "notes.txt" << refused << QStringList();
        QTest::newRow("engine") << true << "test.engine"
                                << QStringList{"dialog"} + Written({"test.engine", "test.german"})
                                << QStringList({"test.engine", "test.german"});
        QTest::newRow("no copy wanted")
            << false << "notes.txt" << QStringList{"dialog"} + Written({"notes.txt"})
            << QStringList({"notes.txt"});
    }
    void extensionDecidesTheCopy() {
        QFETCH(bool, duplicate);
        QFETCH(QString, name);
        QFETCH(QStringList, log);
        QFETCH(QStringList, files);
        const Run run = Save(dir_, duplicate, {name, std::nullopt}, {Answer::Yes});
        QCOMPARE(run.log, log);
        QCOMPARE(FilesIn(dir_), files);
        for (const QString& file : files)
            QCOMPARE(Contents(dir_ + '/' + file), kBytes);
    }

    void folderNamedLikeAnExtensionKeepsTheCopyInside() {
        QVERIFY(QDir(dir_).mkdir("old.eng"));
        Put(dir_ + "/old.german", "unrelated\r\n");
        const Run run = Save(dir_, true, {"old.eng/mission.english"}, {});
        QCOMPARE(run.log, QStringList{"dialog"} +
                              Written({"old.eng/mission.english", "old.eng/mission.german"}));
        QCOMPARE(Contents(dir_ + "/old.german"), QByteArray("unrelated\r\n"));
        QCOMPARE(FilesIn(dir_ + "/old.eng"), QStringList({"mission.english", "mission.german"}));
    }

    void failedWriteIsReportedAndTheDialogReopens_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("reason");
        QTest::newRow("missing folder") << "missing" << ENOENT;
        QTest::newRow("file instead of folder") << "afile" << ENOTDIR;
    }
    void failedWriteIsReportedAndTheDialogReopens() {
        QFETCH(QString, folder);
        QFETCH(int, reason);
        Put(dir_ + "/afile", "x");
        const Run run = Save(dir_, true, {folder + "/mission.english", "mission.english"}, {});
        QVERIFY(run.result.saved);
        QVERIFY(run.result.writeFailed);
        QCOMPARE(run.log.size(), 8);
        QCOMPARE(run.log.mid(0, 2),
                 QStringList({"dialog", "write:<dir>/" + folder + "/mission.english"}));
        // The file could not be written, so its copy was not tried.
        QCOMPARE(run.log[2], "error:Cannot create file <dir>/" + folder +
                                 "/mission.english: " + std::strerror(reason));
        QCOMPARE(run.log.mid(3),
                 QStringList{"dialog"} + Written({"mission.english", "mission.german"}));
        QCOMPARE(Contents(dir_ + "/mission.english"), kBytes);
    }

    void fullDiskLeavesExistingFilesAsTheyWere_data() {
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("copy first") << true;
        QTest::newRow("file alone") << false;
    }
    void fullDiskLeavesExistingFilesAsTheyWere() {
        QFETCH(bool, duplicate);
        const QByteArray oldFile("old mission\r\n"), oldCopy("old copy\r\n");
        Put(dir_ + "/mission.english", oldFile);
        Put(dir_ + "/mission.german", oldCopy);
        const std::vector<std::string> longLines(400, std::string(60, 'x'));

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const Run run = Save(dir_, duplicate, {"mission.english", std::nullopt},
                             {Answer::Yes, Answer::Yes, Answer::Yes}, longLines);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!run.result.saved);
        QVERIFY(run.result.writeFailed);
        // The dialog, "Overwrite", and for the copy "Replace", before anything is written.
        const int asked = duplicate ? 3 : 2;
        QCOMPARE(run.log.size(), asked + 4);
        QCOMPARE(run.log[asked + 1], "error:Cannot create file <dir>/mission.english: " +
                                         QString(std::strerror(EFBIG)));
        QCOMPARE(run.log.mid(asked + 2), QStringList({"dialog", kSure}));
        QCOMPARE(Contents(dir_ + "/mission.english"), oldFile);
        QCOMPARE(Contents(dir_ + "/mission.german"), oldCopy);
        QCOMPARE(FilesIn(dir_), QStringList({"mission.english", "mission.german"}));
    }

    // Whichever step fails, the copy never holds newer bytes than the file, and no temporary
    // file is left behind.
    void aFailureAtAnyStepLeavesNoMismatchedPair_data() {
        QTest::addColumn<int>("failAt");
        QTest::addColumn<SaveSide>("side");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("fileSaved");
        const QString full = std::strerror(ENOSPC);
        const QString cannot = "error:Cannot create file <dir>/%1: " + full;
        QTest::newRow("file's temporary")
            << 0 << SaveSide::Mission << cannot.arg("mission.english") << false;
        QTest::newRow("copy's temporary")
            << 1 << SaveSide::Mission << cannot.arg("mission.german") << false;
        QTest::newRow("file's rename")
            << 2 << SaveSide::Campaign << cannot.arg("mission.english") << false;
        QTest::newRow("copy's rename, mission")
            << 3 << SaveSide::Mission
            << "warn:The mission was saved, but its German copy could not be written: "
               "<dir>/mission.german: " +
                   full
            << true;
        QTest::newRow("copy's rename, campaign")
            << 3 << SaveSide::Campaign
            << "warn:The campaign was saved, but its German copy could not be written: "
               "<dir>/mission.german: " +
                   full
            << true;
    }
    void aFailureAtAnyStepLeavesNoMismatchedPair() {
        QFETCH(int, failAt);
        QFETCH(SaveSide, side);
        QFETCH(QString, message);
        QFETCH(bool, fileSaved);
        Put(dir_ + "/mission.english", "old file");
        Put(dir_ + "/mission.german", "old copy");
        const Run run = Save(dir_, true, {"mission.english", std::nullopt},
                             {Answer::Yes, Answer::Yes, Answer::Yes}, kLines, side, failAt);
        QCOMPARE(run.result.saved, fileSaved);
        QCOMPARE(run.log.mid(0, 3 + failAt + 1),
                 (QStringList{"dialog", "confirmYNC:Overwrite <dir>/mission.english?",
                              "confirmYN:Replace <dir>/mission.german? It differs from the file "
                              "being saved."} +
                  Written({"mission.english", "mission.german"}))
                     .mid(0, 3 + failAt + 1));
        QCOMPARE(run.log[3 + failAt + 1], message);
        // A failed save brings the dialog back; a saved file ends the saving.
        QCOMPARE(run.log.mid(3 + failAt + 2),
                 fileSaved ? QStringList() : QStringList({"dialog", kSure}));
        QCOMPARE(Contents(dir_ + "/mission.english"), fileSaved ? kBytes : "old file");
        QCOMPARE(Contents(dir_ + "/mission.german"), QByteArray("old copy"));
        QCOMPARE(FilesIn(dir_), QStringList({"mission.english", "mission.german"}));
    }

    // A folder where the file should go: its rename fails with the system's reason, and the
    // old copy stays as it was. (A folder where the copy should go: see the windows' tests.)
    void aFolderInTheFilesPlaceLeavesTheCopyAlone() {
        QVERIFY(QDir(dir_).mkdir("mission.english"));
        Put(dir_ + "/mission.german", "old copy");
        const Run run = Save(dir_, true, {"mission.english", std::nullopt},
                             {Answer::Yes, Answer::Yes, Answer::Yes});
        QCOMPARE(run.log.mid(6), QStringList({"error:Cannot create file <dir>/mission.english: " +
                                                  QString(std::strerror(EISDIR)),
                                              "dialog", kSure}));
        QCOMPARE(Contents(dir_ + "/mission.german"), QByteArray("old copy"));
        QCOMPARE(FilesIn(dir_), QStringList({"mission.english", "mission.german"}));
    }

    // Saving writes a new file beside the old one, so a folder that refuses new files refuses
    // also to replace a file that may be written; the message says so.
    void aFolderThatRefusesNewFilesIsNamed_data() {
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<QString>("message");
        const QString reason = std::strerror(EACCES);
        QTest::newRow("new file") << false
                                  << "error:The folder <dir>/locked does not allow new files: " +
                                         reason;
        QTest::newRow("writable file")
            << true
            << "error:<dir>/locked/mission.english was not saved: its folder does not allow new "
               "files (" +
                   reason +
                   "). Saving safely writes a new file beside it and renames it over the old "
                   "one, so the folder must allow new files.";
    }
    void aFolderThatRefusesNewFilesIsNamed() {
        QFETCH(bool, fileThere);
        QFETCH(QString, message);
        const QString folder = dir_ + "/locked";
        QVERIFY(QDir(dir_).mkdir("locked"));
        if (fileThere)
            Put(folder + "/mission.english", "old file");
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        Run run;
        {
            WithoutOverridingPermissions guard;
            if (!guard.Active() || QFile(folder + "/probe").open(QIODevice::WriteOnly))
                QSKIP("a folder cannot be made read-only for this user");
            run = Save(dir_, false, {"locked/mission.english", std::nullopt},
                       {Answer::Yes, Answer::Yes});
        }
        QVERIFY(
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(run.log.mid(fileThere ? 2 : 1, 2),
                 QStringList({"write:<dir>/locked/mission.english", message}));
        QCOMPARE(Contents(folder + "/mission.english"),
                 fileThere ? QByteArray("old file") : QByteArray("<missing>"));
    }

    // The temporary file has a short name of its own: a target whose name is as long as the
    // system allows can still be replaced.
    void longFileNamesAreReplaced_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("249 bytes") << 249;
        QTest::newRow("255 bytes") << 255;
    }
    void longFileNamesAreReplaced() {
        QFETCH(int, length);
        const QString name = QString(length - 8, QLatin1Char('n')) + ".english";
        const QString copy = QString(length - 8, QLatin1Char('n')) + ".german";
        Put(dir_ + '/' + name, "old file");
        Put(dir_ + '/' + copy, "old copy");
        const Run run = Save(dir_, true, {name, std::nullopt}, {Answer::Yes, Answer::Yes});
        QVERIFY(run.result.saved);
        QVERIFY(!run.result.writeFailed);
        QCOMPARE(Contents(dir_ + '/' + name), kBytes);
        QCOMPARE(Contents(dir_ + '/' + copy), kBytes);
        QCOMPARE(FilesIn(dir_).size(), 2);
    }

    void replacingKeepsPermissionBitsAndLinks() {
        Put(dir_ + "/mission.english", "old file");
        QCOMPARE(chmod(QFile::encodeName(dir_ + "/mission.english").constData(), 0604), 0);
        QVERIFY(QDir(dir_).mkdir("maps"));
        Put(dir_ + "/maps/linked.english", "old linked");
        QVERIFY(QFile::link(dir_ + "/maps/linked.english", dir_ + "/link.english"));

        QVERIFY(Save(dir_, false, {"mission.english"}, {Answer::Yes}).result.saved);
        QVERIFY(Save(dir_, false, {"link.english"}, {Answer::Yes}).result.saved);
        QCOMPARE(Mode(dir_ + "/mission.english"), mode_t(0604));
        QCOMPARE(Contents(dir_ + "/mission.english"), kBytes);
        QVERIFY(QFileInfo(dir_ + "/link.english").isSymLink());
        QCOMPARE(Contents(dir_ + "/maps/linked.english"), kBytes);
        QCOMPARE(FilesIn(dir_ + "/maps"), QStringList({"linked.english"}));
    }

    // A copy named after an ".english" file replaces its own earlier copy; a copy name cut at
    // another ".eng" replaces an existing file only after the question.
    void copyOfAnotherNameIsReplacedOnlyAfterAsking_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QByteArray>("copy");
        const QString ask = "confirmYNC:Overwrite <dir>/test.german?";
        // The own copy differs too, so it is asked about as a copy, not as another file.
        QTest::newRow("own copy")
            << "my.engine.map.english" << Answer::Yes
            << QStringList({"dialog", "confirmYN:Replace <dir>/my.engine.map.german? It differs "
                                      "from the file being saved."}) +
                   Written({"my.engine.map.english", "my.engine.map.german"})
            << kBytes;
        QTest::newRow("cut name, No")
            << "test.engine" << Answer::No << QStringList({"dialog", ask, "dialog", kSure})
            << QByteArray("old copy");
        QTest::newRow("cut name, Yes")
            << "test.engine" << Answer::Yes
            << QStringList({"dialog", ask}) + Written({"test.engine", "test.german"}) << kBytes;
    }
    void copyOfAnotherNameIsReplacedOnlyAfterAsking() {
        QFETCH(QString, name);
        QFETCH(Answer, answer);
        QFETCH(QStringList, log);
        QFETCH(QByteArray, copy);
        Put(dir_ + "/my.german", "unrelated");
        Put(dir_ + "/my.engine.map.german", "old copy");
        Put(dir_ + "/test.german", "old copy");
        const Run run = Save(dir_, true, {name, std::nullopt}, {answer, Answer::Yes});
        QCOMPARE(run.log, log);
        const QString copyName = QString::fromStdString(*GermanCopyPath(name.toStdString()));
        QCOMPARE(Contents(dir_ + '/' + copyName), copy);
        QCOMPARE(Contents(dir_ + "/my.german"), QByteArray("unrelated"));
    }

    // The other messages are worded in the logs above; a path keeps its own "%1" and "%2".
    void aPathIsWordedAsItStands() {
        const SaveMessage message{SaveMessageKind::CannotCreateFile, "/maps/%2 100%1.english",
                                  "Permission denied"};
        QCOMPARE(DialogSaveUser::Text(message),
                 QStringLiteral("Cannot create file /maps/%2 100%1.english: Permission denied"));
    }
};

QTEST_GUILESS_MAIN(SaveProcedureTest)
#include "test_save_procedure.moc"
