// The disk file store on a real disk: how it compares files, in which order its renames reach
// the disk, and what a save killed midway leaves behind.
#include "ui/platform/DiskFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vornask;
namespace fs = std::filesystem;

namespace {

// While set, the renames and the syncs of folders the program makes, in order.
QStringList* diskSteps = nullptr;

QString Name(const char* path) {
    return QFileInfo(QFile::decodeName(path)).fileName();
}

} // namespace

// The system's own calls, watched: the store reaches them through the standard library.
extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto real =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    const int result = real(from, to);
    if (diskSteps && result == 0)
        *diskSteps << "rename " + Name(to);
    return result;
}

extern "C" int fsync(int file) {
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    struct stat status {};
    if (diskSteps && fstat(file, &status) == 0 && S_ISDIR(status.st_mode)) {
        char path[4096] = {};
        const std::string self = "/proc/self/fd/" + std::to_string(file);
        if (readlink(self.c_str(), path, sizeof path - 1) > 0)
            *diskSteps << "sync " + Name(path);
    }
    return real(file);
}

namespace {

const std::string kBytes = "[Header]\r\ntitle = \"M\xE9ine\"\r\n[END]\r\n";

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList FilesIn(const QString& dir) {
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

bool SystemHasUnnamedFiles(const QString& dir) {
    const int file = open(QFile::encodeName(dir).constData(), O_TMPFILE | O_WRONLY, 0600);
    if (file < 0)
        return false;
    close(file);
    return true;
}

// Writes the temporary files of a mission and its copy, as a save does before its renames,
// in a process that is then killed.
void KilledWhileSaving(const QString& dir, bool unnamedTemporaries) {
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        DiskFileStore store(unnamedTemporaries);
        for (const char* name : {"/mission.english", "/mission.german"})
            if (store.WriteTemporary((dir + name).toStdString(), kBytes).error)
                _exit(1);
        raise(SIGKILL);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

bool Save(DiskFileStore& store, const QString& path) {
    const TemporaryFile temporary = store.WriteTemporary(path.toStdString(), kBytes);
    return !temporary.error && !store.Rename(temporary.path, path.toStdString());
}

} // namespace

class DiskStoreTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> temp_;
    QString dir_;

private slots:
    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temp_->isValid());
        dir_ = temp_->path();
    }

    // Compared with a file of `size` bytes: what stands at the other path.
    void filesAreComparedByTheirBytes_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("same");
        QTest::addColumn<bool>("differs");
        QTest::newRow("the same bytes") << 40 << "same" << true << false;
        QTest::newRow("the last byte differs") << 40 << "last byte" << false << true;
        QTest::newRow("shorter") << 40 << "shorter" << false << true;
        QTest::newRow("empty, both") << 0 << "same" << true << false;
        QTest::newRow("64 KiB, the same") << 65536 << "same" << true << false;
        QTest::newRow("64 KiB and one, the same") << 65537 << "same" << true << false;
        QTest::newRow("64 KiB and one, the last byte differs")
            << 65537 << "last byte" << false << true;
        QTest::newRow("a link to the same bytes") << 40 << "link" << true << false;
        QTest::newRow("missing") << 40 << "missing" << false << false;
        QTest::newRow("a link to nothing") << 40 << "dangling" << false << false;
        QTest::newRow("a folder") << 40 << "folder" << false << false;
        // Never opened, so never waited on.
        QTest::newRow("a pipe") << 40 << "pipe" << false << true;
    }
    void filesAreComparedByTheirBytes() {
        QFETCH(int, size);
        QFETCH(QString, other);
        QFETCH(bool, same);
        QFETCH(bool, differs);
        QByteArray bytes(size, 'x');
        for (int i = 0; i < size; ++i)
            bytes[i] = char('a' + i % 23);
        const QString first = dir_ + "/first", second = dir_ + "/second";
        Put(first, bytes);
        const QByteArray path = QFile::encodeName(second);
        if (other == "same")
            Put(second, bytes);
        else if (other == "last byte")
            Put(second, bytes.chopped(1) + '!');
        else if (other == "shorter")
            Put(second, bytes.chopped(1));
        else if (other == "link")
            QVERIFY(QFile::link(first, second));
        else if (other == "dangling")
            QVERIFY(QFile::link(dir_ + "/nothing", second));
        else if (other == "folder")
            QVERIFY(QDir(dir_).mkdir("second"));
        else if (other == "pipe")
            QCOMPARE(mkfifo(path.constData(), 0600), 0);
        DiskFileStore store;
        QCOMPARE(store.SameBytes(first.toStdString(), second.toStdString()), same);
        QCOMPARE(store.SameBytes(second.toStdString(), first.toStdString()), same);
        QCOMPARE(store.Differs(second.toStdString(), bytes.toStdString()), differs);
    }

    // The main file's new name reaches the disk before its copy's, also after a power loss.
    void eachRenameReachesTheDiskBeforeTheNext_data() {
        QTest::addColumn<bool>("unnamed");
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("unnamed temporaries") << true << false;
        QTest::newRow("named temporaries") << false << false;
        QTest::newRow("the file through a link into another folder") << true << true;
    }
    void eachRenameReachesTheDiskBeforeTheNext() {
        QFETCH(bool, unnamed);
        QFETCH(bool, throughLink);
        QVERIFY(QDir(dir_).mkdir("maps"));
        if (throughLink)
            QVERIFY(QFile::link("maps/mission.english", dir_ + "/mission.english"));
        QStringList steps;
        DiskFileStore store(unnamed);
        diskSteps = &steps;
        const bool saved =
            Save(store, dir_ + "/mission.english") && Save(store, dir_ + "/mission.german");
        diskSteps = nullptr;
        QVERIFY(saved);
        const QString folder = QFileInfo(dir_).fileName();
        QCOMPARE(steps,
                 QStringList({"rename mission.english", "sync " + (throughLink ? "maps" : folder),
                              "rename mission.german", "sync " + folder}));
    }

    void aKilledSaveLeavesNoTemporaryFile() {
        if (!SystemHasUnnamedFiles(dir_))
            QSKIP("this file system has no unnamed files");
        Put(dir_ + "/mission.english", "old");
        KilledWhileSaving(dir_, true);
        QCOMPARE(FilesIn(dir_), QStringList{"mission.english"});
    }

    // Where the system has no unnamed files, what a killed save left is removed at the next
    // save in that folder, once it has stood long enough not to be another instance's.
    void staleTemporaryFilesAreRemovedAtTheNextSave_data() {
        QTest::addColumn<bool>("unnamed");
        QTest::newRow("next save with unnamed temporaries") << true;
        QTest::newRow("next save with named temporaries") << false;
    }
    void staleTemporaryFilesAreRemovedAtTheNextSave() {
        QFETCH(bool, unnamed);
        KilledWhileSaving(dir_, false);
        const QStringList left = FilesIn(dir_);
        QCOMPARE(left.size(), 2);
        const QRegularExpression ours(R"(^\.vornask-[0-9a-f]{8}\.tmp$)");
        for (const QString& name : left)
            QVERIFY2(ours.match(name).hasMatch(), qPrintable(name));

        const QStringList others = {".vornask-0123abcd.tmp.bak", ".vornask-0123ABCD.tmp",
                                    "vornask-0123abcd.tmp", ".vornask-0123abc.tmp", "notes.tmp"};
        for (const QString& name : others)
            Put(dir_ + '/' + name, "not ours");
        QVERIFY(QDir(dir_).mkdir(".vornask-00000000.tmp"));
        QVERIFY(QDir(dir_).mkdir("maps"));
        Put(dir_ + "/maps/linked.english", "linked");
        QVERIFY(QFile::link("maps/linked.english", dir_ + "/.vornask-11111111.tmp"));
        const auto old =
            fs::file_time_type::clock::now() - DiskFileStore::kStaleAfter - std::chrono::minutes(1);
        for (const QString& name : FilesIn(dir_))
            fs::last_write_time(fs::path(QFile::encodeName(dir_ + '/' + name).toStdString()), old);
        // Another instance's, being saved at this moment.
        Put(dir_ + "/.vornask-89abcdef.tmp", "in progress");

        DiskFileStore store(unnamed);
        QVERIFY(Save(store, dir_ + "/mission.english"));
        QStringList expected =
            others + QStringList{".vornask-00000000.tmp", ".vornask-11111111.tmp",
                                 ".vornask-89abcdef.tmp", "maps", "mission.english"};
        expected.sort();
        QCOMPARE(FilesIn(dir_), expected);
        QCOMPARE(FilesIn(dir_ + "/maps"), QStringList{"linked.english"});
    }
};

QTEST_GUILESS_MAIN(DiskStoreTest)
#include "test_disk_store.moc"
