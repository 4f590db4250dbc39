// Writing whole files and the shared lock: a failed write keeps the old file, a
// link is followed only where that is safe, a lock left behind does not block a
// shared file for good. What needs root (a real full disk, links and locks of
// other users) is tests/files/files_test.sh.
#include "core/errors/errortext.h"
#include "core/files/filelock.h"
#include "core/files/safewrite.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<fehlt>");
}

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

mode_t ModeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Passes writes on to the temporary file until `limit` bytes have gone through,
// then fails them, as a disk does that fills up while the file is written.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(QIODevice& inner, qint64 limit) : m_inner(inner), m_limit(limit)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 room = m_limit - m_written;
        if (room <= 0) {
            setErrorString(QStringLiteral("Auf dem Datenträger ist nicht genug Platz."));
            return -1;
        }
        const qint64 written = m_inner.write(data, qMin(size, room));
        m_written += qMax<qint64>(written, 0);
        return written;
    }

private:
    QIODevice& m_inner;
    qint64 m_limit;
    qint64 m_written = 0;
};

class SafeWriteTest : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QStringList Entries() const
    {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    QTemporaryDir m_dir;
};

TEST_F(SafeWriteTest, AWriteThatFailsAnywhereKeepsTheOldFileAndLeavesNothing)
{
    const QByteArray old("alter Inhalt");
    const QByteArray contents(5000, 'n');
    for (const qint64 failAfter : {qint64(0), qint64(1), qint64(2500), contents.size() - 1}) {
        for (const bool existed : {true, false}) {
            const QString path = Path(QStringLiteral("note.cmr"));
            QFile::remove(path);
            if (existed)
                Put(path, old);
            CSafeFileWriter writer(path);
            writer.SetDeviceFilter([&](QIODevice& temporary) {
                return std::make_unique<FailingDevice>(temporary, failAfter);
            });
            SCOPED_TRACE(testing::Message() << "failing after " << failAfter << " bytes, "
                                            << (existed ? "over a file" : "new file"));
            const Error error = writer.Write(contents);
            EXPECT_EQ(error.code(),
                      existed ? ErrorCode::WriteFailedOldKept : ErrorCode::WriteFailed);
            EXPECT_EQ(error.file(), path);
            ASSERT_TRUE(error.cause());
            EXPECT_EQ(ErrorMessage(*error.cause()),
                      QStringLiteral("Auf dem Datenträger ist nicht genug Platz."));
            EXPECT_EQ(Entries(), existed ? QStringList{"note.cmr"} : QStringList{});
            if (existed) {
                EXPECT_EQ(Read(path), old);
            }
        }
    }
}

TEST_F(SafeWriteTest, AFileTheSystemRefusesToGrowKeepsTheOldOne)
{
    const QString path = Path(QStringLiteral("note.cmr"));
    Put(path, "alt");
    {
        FileSizeLimit limit(100);
        const Error error = CSafeFileWriter(path).Write(QByteArray(1000, 'x'));
        ASSERT_TRUE(error.cause());
        EXPECT_EQ(error.cause()->code(), ErrorCode::FileTooLarge);
    }
    EXPECT_EQ(Read(path), "alt");
    EXPECT_EQ(Entries(), QStringList{"note.cmr"});
}

TEST_F(SafeWriteTest, ReplacesWholeAndKeepsThePermissions)
{
    const QString path = Path(QStringLiteral("adressen.dat"));
    Put(path, QByteArray(300, 'a'));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(Succeeded(WriteFileSafely(path, "kurz")));
    EXPECT_EQ(Read(path), "kurz");
    EXPECT_EQ(ModeOf(path), mode_t(0640));

    // A new file gets what any new file gets.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    const QString fresh = Path(QStringLiteral("neu.dat"));
    ASSERT_TRUE(Succeeded(WriteFileSafely(fresh, "x")));
    EXPECT_EQ(ModeOf(fresh), mode_t(0666 & ~mask));
    EXPECT_EQ(Entries(), (QStringList{"adressen.dat", "neu.dat"}));
}

TEST_F(SafeWriteTest, OwnLinksAreFollowedAndWhatIsNoFileIsRefused)
{
    // A link of one's own, also a relative one through a linked folder: the
    // file it names gets the contents, the link stays.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("ziel")));
    Put(Path(QStringLiteral("ziel/echt.cmr")), "alt");
    ASSERT_TRUE(QFile::link(QStringLiteral("ziel"), Path(QStringLiteral("ordner"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("ordner/echt.cmr"), Path(QStringLiteral("kurz.cmr"))));
    ASSERT_TRUE(Succeeded(WriteFileSafely(Path(QStringLiteral("kurz.cmr")), "neu")));
    EXPECT_EQ(Read(Path(QStringLiteral("ziel/echt.cmr"))), "neu");
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("kurz.cmr"))).isSymLink());

    // Whatever is not a regular file is not replaced.
    const auto cause = [](const Error& error) {
        return error.cause() ? error.cause()->code() : ErrorCode::None;
    };
    EXPECT_EQ(cause(WriteFileSafely(Path(QStringLiteral("ziel")), "x")), ErrorCode::TargetIsFolder);
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path(QStringLiteral("rohr"))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("rohr")), Path(QStringLiteral("zum-rohr"))));
    EXPECT_EQ(cause(WriteFileSafely(Path(QStringLiteral("zum-rohr")), "x")),
              ErrorCode::TargetNotRegularFile);
    struct stat pipe;
    ASSERT_EQ(::lstat(QFile::encodeName(Path(QStringLiteral("rohr"))).constData(), &pipe), 0);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));

    EXPECT_EQ(cause(WriteFileSafely(Path(QStringLiteral("fehlt/a.cmr")), "x")),
              ErrorCode::FolderMissing);
}

TEST_F(SafeWriteTest, TheSystemsRefusalIsToldBelowTheFile)
{
    const QString missing = Path(QStringLiteral("fehlt/a.cmr"));
    EXPECT_EQ(ErrorMessage(WriteFileSafely(missing, "x")),
              QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\nDer Ordner ist nicht "
                             "vorhanden.")
                  .arg(missing));

    // Root may write into any folder.
    if (::geteuid() != 0) {
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("nur-lesen")));
        const QString folder = Path(QStringLiteral("nur-lesen"));
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
        const QString path = folder + QStringLiteral("/a.cmr");
        const Error error = WriteFileSafely(path, "x");
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        EXPECT_EQ(ErrorMessage(error),
                  QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\nZugriff "
                                 "verweigert.")
                      .arg(path));
    }
}

void Age(const QString& path, int seconds)
{
    const time_t when = time(nullptr) - seconds;
    const timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// A save killed part way (kill -9, a power cut) leaves its temporary file; the
// next save of the same file clears away those an hour old. A younger one may
// belong to a save still running; anything else is not ours to remove.
TEST_F(SafeWriteTest, TheNextSaveRemovesOnlyItsOwnOldLeftovers)
{
    const QString note = Path(QStringLiteral("note.cmr"));
    Put(note, "alt");
    Put(Path(QStringLiteral("victim")), "fremd");
    const struct
    {
        const char* name;
        bool symlink;
        int ageSeconds;
        bool removed;
    } entries[] = {
        {".note.cmr.Ab3xY9.tvm-tmp", false, 7200, true},
        {".note.cmr.Qq0000.tvm-tmp", false, 3700, true},
        {".note.cmr.Zz9zz9.tvm-tmp", false, 600, false},   // may be a save running now
        {".note.cmr.Ln1Ln1.tvm-tmp", true, 7200, false},   // a link, whatever it names
        {".note.cmr2.Ab3xY9.tvm-tmp", false, 7200, false}, // another file's
        {".Note.cmr.Ab3xY9.tvm-tmp", false, 7200, false},
        {".note.cmr.Ab3xY.tvm-tmp", false, 7200, false},
        {".note.cmr.Ab-xY9.tvm-tmp", false, 7200, false},
        {".note.cmr.Ab3xY9.tvm-tmp~", false, 7200, false},
        {".note.cmr.Ab3xY9", false, 7200, false}, // not of this program
        {"note.cmr.Ab3xY9.tvm-tmp", false, 7200, false},
    };
    QStringList kept{"note.cmr", "victim"};
    for (const auto& e : entries) {
        const QString path = Path(QLatin1String(e.name));
        if (e.symlink)
            ASSERT_TRUE(QFile::link(Path(QStringLiteral("victim")), path));
        else
            Put(path, QByteArray(1000, 't'));
        Age(path, e.ageSeconds);
        if (!e.removed)
            kept << QLatin1String(e.name);
    }
    kept.sort();

    ASSERT_TRUE(Succeeded(WriteFileSafely(note, "neu")));
    EXPECT_EQ(Entries().join(QLatin1Char(' ')).toStdString(),
              kept.join(QLatin1Char(' ')).toStdString());
    EXPECT_EQ(Read(note), "neu");
    EXPECT_EQ(Read(Path(QStringLiteral("victim"))), "fremd");

    // A folder by that name is no leftover either.
    const QString folder = Path(QStringLiteral(".note.cmr.Dir000.tvm-tmp"));
    ASSERT_TRUE(QDir().mkdir(folder));
    Age(folder, 7200);
    ASSERT_TRUE(Succeeded(WriteFileSafely(note, "neu")));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

// The temporary file is named after its target, so that the clearing away above
// knows it for certain, also where a name is too long to be taken whole: then
// two names alike in their first 200 bytes still keep their leftovers apart.
TEST_F(SafeWriteTest, TheTemporaryFileIsNamedAfterItsTarget)
{
    const auto temporaryOf = [this](const QString& target) {
        QStringList seen;
        CSafeFileWriter writer(target);
        writer.SetDeviceFilter([&](QIODevice& temporary) {
            seen = Entries();
            return std::make_unique<FailingDevice>(temporary, 0);
        });
        EXPECT_EQ(writer.Write("x").code(), ErrorCode::WriteFailed);
        return seen.value(0);
    };
    const QString shortName = QStringLiteral("TMAdress.dat");
    const QString leftover = temporaryOf(Path(shortName));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.TMAdress\\.dat\\.[A-Za-z0-9]{6}\\.tvm-tmp$"))
                    .match(leftover)
                    .hasMatch())
        << leftover.toStdString();

    const QString stem(236, QLatin1Char('n'));
    const QString longA = Path(stem + QStringLiteral("a.cmr"));
    const QString longB = Path(stem + QStringLiteral("b.cmr"));
    const QString leftoverA = temporaryOf(longA);
    EXPECT_TRUE(leftoverA.endsWith(QStringLiteral(".tvm-tmp"))) << leftoverA.toStdString();
    EXPECT_LE(QFile::encodeName(leftoverA).size(), 255);
    EXPECT_EQ(Entries(), QStringList{});

    Put(Path(leftoverA), "abgebrochen");
    Age(Path(leftoverA), 7200);
    ASSERT_TRUE(Succeeded(WriteFileSafely(longB, "b")));
    EXPECT_TRUE(QFile::exists(Path(leftoverA)));
    ASSERT_TRUE(Succeeded(WriteFileSafely(longA, "a")));
    EXPECT_FALSE(QFile::exists(Path(leftoverA)));
}

// ---------------------------------------------------------------------------

class SharedLockTest : public ::testing::Test
{
protected:
    QString Guarded() const { return m_dir.filePath(QStringLiteral("TMAdress.dat")); }
    QString LockPath() const { return CSharedFileLock::LockPathFor(Guarded()); }

    // A lock file in QLockFile's format, written by hand, `ageSeconds` old.
    void PlantLock(qint64 pid, const QByteArray& host, int ageSeconds, mode_t mode)
    {
        Put(LockPath(), QByteArray::number(pid) + "\ntarvelomark\n" + host + "\n");
        const QByteArray name = QFile::encodeName(LockPath());
        const time_t when = time(nullptr) - ageSeconds;
        const utimbuf times{when, when};
        ASSERT_EQ(::utime(name.constData(), &times), 0);
        ASSERT_EQ(::chmod(name.constData(), mode), 0);
    }

    QTemporaryDir m_dir;
};

// A process id above any the kernel hands out: the process is surely gone.
constexpr qint64 kDeadProcess = 0x7FFFFFFF;

TEST_F(SharedLockTest, LocksLeftBehindAreTakenOverThoseInUseAreNot)
{
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const struct
    {
        const char* name;
        qint64 pid;
        QByteArray host;
        int ageSeconds;
        Error expected;
    } cases[] = {
        {"dead process here, read-only", kDeadProcess, here, 0, Error()},
        {"another computer, hours old", 4711, "anderer-rechner", 7200, Error()},
        {"another computer, just made", 4711, "anderer-rechner", 0,
         Error(ErrorCode::FileInUse).inFile(Guarded())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlantLock(c.pid, c.host, c.ageSeconds, 0444);
        CSharedFileLock lock(Guarded());
        EXPECT_EQ(lock.TryLock(), c.expected);
        lock.Unlock();
        QFile::remove(LockPath());
    }

    // A live holder keeps its lock however old the file is.
    QLockFile holder(LockPath());
    ASSERT_TRUE(holder.tryLock(0));
    const time_t old = time(nullptr) - 7200;
    const utimbuf times{old, old};
    ASSERT_EQ(::utime(QFile::encodeName(LockPath()).constData(), &times), 0);
    CSharedFileLock lock(Guarded());
    EXPECT_EQ(lock.TryLock().code(), ErrorCode::FileInUse);
    EXPECT_TRUE(QFile::exists(LockPath()));
}

TEST_F(SharedLockTest, TheLockIsAsWritableAsTheFileItGuards)
{
    Put(Guarded(), "x");
    ASSERT_EQ(::chmod(QFile::encodeName(Guarded()).constData(), 0664), 0);
    CSharedFileLock lock(Guarded());
    ASSERT_TRUE(Succeeded(lock.TryLock()));
    EXPECT_EQ(ModeOf(LockPath()), mode_t(0664));
}

TEST_F(SharedLockTest, ALockThatCannotBeMadeIsNotInUse)
{
    FileSizeLimit limit(10); // the lock's own contents do not fit
    CSharedFileLock lock(Guarded());
    const Error error = lock.TryLock();
    EXPECT_EQ(error.code(), ErrorCode::LockFailed);
    EXPECT_EQ(error.file(), LockPath());
    EXPECT_FALSE(QFile::exists(LockPath()));
}

} // namespace
