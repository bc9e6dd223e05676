// Where the programs keep what they write: their own folder, or the user's when theirs is closed.
#include "platform/files/data_folder.h"
#include "as_nobody.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

// Closes a folder to the user (or opens it again): nothing can be created in it.
bool set_closed(const QString& folder, bool closed)
{
    return QFile::setPermissions(folder, closed ? QFile::ReadOwner | QFile::ExeOwner
                                                : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
        if (geteuid() == 0) { // root writes into closed folders anyway: the case runs as a user
            QVERIFY_PASSES_AS_NOBODY();
            return;
        }
        QTemporaryDir program;
        write(program.path() + "/score.ini", "shipped table");
        write(program.path() + "/config.csv", "shipped settings");
        QVERIFY(set_closed(program.path(), true));
        const QString user = platform::user_data_folder();
        QVERIFY(user.startsWith(qEnvironmentVariable("XDG_DATA_HOME"))); // the test's own, never the user's
        QDir(user).removeRecursively();

        const QString chosen = platform::data_folder(program.path(), {"score.ini", "config.csv", "absent.ini"});
        QVERIFY(!platform::folder_is_writable(program.path()));
        set_closed(program.path(), false);
        QCOMPARE(chosen, user);
        QVERIFY(user.endsWith("/mipo-suite/"));
        QFile score(user + "score.ini");
        QVERIFY(score.open(QIODevice::ReadOnly));
        QCOMPARE(score.readAll(), QByteArray("shipped table"));
        QVERIFY(!QFile::exists(user + "absent.ini"));

        // The user's own files are never replaced by the shipped ones again.
        write(user + "score.ini", "my table");
        QVERIFY(set_closed(program.path(), true));
        platform::data_folder(program.path(), {"score.ini"});
        set_closed(program.path(), false);
        QFile again(user + "score.ini");
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray("my table"));
    }
};

QTEST_MAIN(DataFolderTest)
#include "data_folder_test.moc"
