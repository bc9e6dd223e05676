// Where the programs keep what they write: their own folder, or the user's when theirs is closed.
#include "platform/data_folder.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Makes a folder immutable (or not): nothing can be created in it, not even by root.
bool set_immutable(const QString& folder, bool on)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class DataFolderTest : public QObject {
    Q_OBJECT

private slots:
    void a_writable_program_folder_keeps_its_files()
    {
        QTemporaryDir program;
        QCOMPARE(platform::data_folder(program.path(), {"score.ini"}), program.path() + "/");
        QVERIFY(QDir(program.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()); // the probe leaves nothing
    }

    void a_program_folder_marked_for_per_user_data_is_never_written_even_when_it_could_be()
    {
        // A packaged suite under /usr: root may write there, yet its files belong in the home.
        QTemporaryDir program;
        write(program.path() + "/" + platform::kPerUserDataMark, "");
        write(program.path() + "/score.ini", "shipped table");
        const QString user = platform::user_data_folder();
        QVERIFY(user.startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
        QDir(user).removeRecursively();

        QCOMPARE(platform::data_folder(program.path(), {"score.ini"}), user);
        QFile score(user + "score.ini");
        QVERIFY(score.open(QIODevice::ReadOnly));
        QCOMPARE(score.readAll(), QByteArray("shipped table"));
        QCOMPARE(QDir(program.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void a_closed_program_folder_sends_the_files_to_the_users_folder_seeded_once()
    {
        QTemporaryDir program;
        write(program.path() + "/score.ini", "shipped table");
        write(program.path() + "/config.csv", "shipped settings");
        if (!set_immutable(program.path(), true))
            QSKIP("this file system or user cannot make a folder immutable");
        const QString user = platform::user_data_folder();
        QVERIFY(user.startsWith(qEnvironmentVariable("XDG_DATA_HOME"))); // the test's own, never the user's
        QDir(user).removeRecursively();

        const QString chosen = platform::data_folder(program.path(), {"score.ini", "config.csv", "absent.ini"});
        QVERIFY(!platform::folder_is_writable(program.path()));
        set_immutable(program.path(), false);
        QCOMPARE(chosen, user);
        QVERIFY(user.endsWith("/mipo-suite/"));
        QFile score(user + "score.ini");
        QVERIFY(score.open(QIODevice::ReadOnly));
        QCOMPARE(score.readAll(), QByteArray("shipped table"));
        QVERIFY(!QFile::exists(user + "absent.ini"));

        // The user's own files are never replaced by the shipped ones again.
        write(user + "score.ini", "my table");
        QVERIFY(set_immutable(program.path(), true));
        platform::data_folder(program.path(), {"score.ini"});
        set_immutable(program.path(), false);
        QFile again(user + "score.ini");
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray("my table"));
    }
};

QTEST_MAIN(DataFolderTest)
#include "data_folder_test.moc"
