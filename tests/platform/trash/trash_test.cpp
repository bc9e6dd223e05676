#include "platform/trash/linux_trash.h"
#include "platform/trash/trash_folder.h"
#include "platform/trash/trash_places.h"
#include "as_nobody.h"
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

QByteArray enc(const QString& s) { return QFile::encodeName(s); }

void write_file(const QString& path, qint64 size)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(size, 'x'));
}

// A trash folder laid out as the desktop writes it.
struct TrashBuilder {
    QString dir;

    explicit TrashBuilder(const QString& path) : dir(path)
    {
        QDir().mkpath(dir + "/files");
        QDir().mkpath(dir + "/info");
    }
    QString files(const QString& name) const { return dir + "/files/" + name; }
    QString info(const QString& name) const { return dir + "/info/" + name + ".trashinfo"; }

    void describe(const QString& name) const
    {
        QFile f(info(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Trash Info]\nPath=/home/u/" + QUrl::toPercentEncoding(name) + "\nDeletionDate=2026-12-01T10:00:00\n");
    }
    qint64 info_mtime(const QString& name) const
    {
        struct stat st{};
        return stat(enc(info(name)).constData(), &st) == 0 ? qint64(st.st_mtim.tv_sec) : -1;
    }
    void add_file(const QString& name, qint64 size) const
    {
        write_file(files(name), size);
        describe(name);
    }
    void add_sizes_line(qint64 size, qint64 mtime, const QString& name) const
    {
        QFile f(dir + "/directorysizes");
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray::number(size) + ' ' + QByteArray::number(mtime) + ' ' + QUrl::toPercentEncoding(name) + '\n');
    }
};

bool set_immutable(const QString& path, bool on)
{
    const int fd = open(enc(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return ok;
}

} // namespace

class TrashTest : public QObject {
    Q_OBJECT

private slots:
    void figures_of_a_prepared_trash();
    void emptying_never_follows_a_link();
    void failures_are_reported();
    void a_fifo_for_the_folder_sizes_holds_nothing_up();
    void a_huge_folder_sizes_file_is_no_cache();
    void deep_folders_need_few_descriptors();
    void only_real_folders_of_the_user_count();
    void mounts_list_local_volumes_only();
    void reading_happens_off_the_ui_thread();
};

// One trash with: a file; a folder whose directorysizes entry matches its info file; a folder whose
// entry is stale; a link to a folder outside; an info file without an item.
void TrashTest::figures_of_a_prepared_trash()
{
    QTemporaryDir root;
    TrashBuilder trash(root.filePath("Trash"));
    const QString outside = root.filePath("outside");
    QDir().mkpath(outside);
    write_file(outside + "/precious.dat", 1 << 20);

    trash.add_file("a.txt", 1000);
    QDir().mkpath(trash.files("cached dir"));
    write_file(trash.files("cached dir") + "/inner", 300);
    trash.describe("cached dir");
    trash.add_sizes_line(5000, trash.info_mtime("cached dir"), "cached dir");
    QDir().mkpath(trash.files("stale/sub"));
    write_file(trash.files("stale") + "/one", 150);
    write_file(trash.files("stale/sub") + "/two", 50);
    QVERIFY(QFile::link(outside, trash.files("stale/sub/out")));
    trash.describe("stale");
    trash.add_sizes_line(9999, trash.info_mtime("stale") - 60, "stale");
    QVERIFY(QFile::link(outside, trash.files("link")));
    trash.describe("link");
    trash.describe("ghost"); // orphan

    const qint64 link_size = outside.toUtf8().size();
    std::atomic<bool> stop{false};
    const trash_folder::Figures f = trash_folder::measure(trash.dir, stop);
    QVERIFY(f.ok);
    QCOMPARE(f.item_count, quint64(4));
    QCOMPARE(f.size_bytes, quint64(1000 + 5000 + (150 + 50 + link_size) + link_size));

    // The cache no longer counts once the item is described anew.
    QTest::qSleep(1100);
    trash.describe("cached dir");
    QCOMPARE(trash_folder::measure(trash.dir, stop).size_bytes, quint64(1000 + 300 + 200 + 2 * link_size));
}

void TrashTest::emptying_never_follows_a_link()
{
    QTemporaryDir root;
    TrashBuilder trash(root.filePath("Trash"));
    const QString outside = root.filePath("outside");
    QDir().mkpath(outside + "/deep");
    write_file(outside + "/precious.dat", 4096);
    write_file(outside + "/deep/also.dat", 10);
    trash.add_file("a.txt", 10);
    QVERIFY(QFile::link(outside, trash.files("link")));
    trash.describe("link");
    QDir().mkpath(trash.files("folder/locked"));
    QVERIFY(QFile::link(outside, trash.files("folder/locked/inner-link")));
    write_file(trash.files("folder/locked") + "/f", 5);
    QFile::setPermissions(trash.files("folder/locked"), QFile::ReadOwner | QFile::ExeOwner); // read-only folder
    trash.describe("folder");
    trash.describe("ghost");
    trash.add_sizes_line(15, trash.info_mtime("folder"), "folder");

    LinuxTrash linux_trash([&] { return QStringList{trash.dir}; });
    QSignalSpy emptied(&linux_trash, &Trash::emptied);
    linux_trash.empty();
    QVERIFY(emptied.wait(5000));
    QCOMPARE(emptied.at(0).at(0).toBool(), true);

    QVERIFY(QDir(trash.dir + "/files").isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    QVERIFY(QDir(trash.dir + "/info").isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    QVERIFY(!QFile::exists(trash.dir + "/directorysizes"));
    QCOMPARE(QFileInfo(outside + "/precious.dat").size(), qint64(4096));
    QCOMPARE(QFileInfo(outside + "/deep/also.dat").size(), qint64(10));

    QSignalSpy figures(&linux_trash, &Trash::figures_read);
    linux_trash.query();
    QVERIFY(figures.wait(5000));
    QCOMPARE(figures.at(0), (QVariantList{true, quint64(0), quint64(0)}));
}

void TrashTest::failures_are_reported()
{
    QTemporaryDir root;
    TrashBuilder trash(root.filePath("Trash"));
    trash.add_file("stuck", 10);
    trash.add_file("free", 20);
    // Something we cannot remove: a read-only files/ folder, or for root an immutable file.
    const bool as_root = geteuid() == 0;
    if (as_root && !set_immutable(trash.files("stuck"), true)) {
        // Root without the right to set the flag (a container, a file system without it):
        // the case runs as a user, for whom a read-only folder does it.
        QVERIFY_PASSES_AS_NOBODY();
        return;
    }
    if (!as_root)
        QVERIFY(QFile::setPermissions(trash.dir + "/files", QFile::ReadOwner | QFile::ExeOwner));

    std::atomic<bool> stop{false};
    const bool ok = trash_folder::empty(trash.dir, stop);
    const bool stuck_left = QFileInfo::exists(trash.files("stuck"));
    const bool its_info_left = QFileInfo::exists(trash.info("stuck"));
    if (as_root)
        set_immutable(trash.files("stuck"), false);
    else
        QFile::setPermissions(trash.dir + "/files", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!ok);
    QVERIFY(stuck_left);
    QVERIFY2(its_info_left, "an item that stays keeps its description");

    // A trash whose files/ is not a folder cannot be read.
    QTemporaryDir other;
    QDir().mkpath(other.filePath("T/info"));
    write_file(other.filePath("T/files"), 1);
    QVERIFY(!trash_folder::measure(other.filePath("T"), stop).ok);
    QVERIFY(trash_folder::measure(other.filePath("none"), stop).ok);
}

// A FIFO where the desktop keeps its folder sizes (any user can put one into their trash): read
// at once as no sizes at all, so the panel gets its figures and a closing program its thread.
void TrashTest::a_fifo_for_the_folder_sizes_holds_nothing_up()
{
    QTemporaryDir root;
    TrashBuilder trash(root.filePath("Trash"));
    trash.add_file("a.txt", 10);
    QDir().mkpath(trash.files("folder"));
    write_file(trash.files("folder") + "/inner", 5);
    trash.describe("folder");
    const QByteArray fifo = enc(trash.dir + "/directorysizes");
    QVERIFY(mkfifo(fifo.constData(), 0600) == 0);

    LinuxTrash linux_trash([&] { return QStringList{trash.dir}; });
    // Should the reading wait on the FIFO after all, a writer that comes and goes ends the wait,
    // so that the failing test can end too (this runs before the trash's destructor).
    const auto release = qScopeGuard([&] {
        const int fd = open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            close(fd);
    });
    QSignalSpy figures(&linux_trash, &Trash::figures_read);
    linux_trash.query();
    QVERIFY2(figures.wait(5000), "the trash waits for a writer of directorysizes");
    QCOMPARE(figures.at(0), (QVariantList{true, quint64(15), quint64(2)}));

    QSignalSpy emptied(&linux_trash, &Trash::emptied);
    linux_trash.empty();
    QVERIFY(emptied.wait(5000));
    QCOMPARE(emptied.at(0).at(0).toBool(), true);
    QVERIFY(!QFileInfo::exists(trash.dir + "/directorysizes"));
}

// A directorysizes grown to hundreds of megabytes (a stray program appending to it) is not read:
// the folder is measured as if there were no cache, at once, and closing is not held up by it.
// One of a megabyte is still a cache.
void TrashTest::a_huge_folder_sizes_file_is_no_cache()
{
    QTemporaryDir root;
    TrashBuilder trash(root.filePath("Trash"));
    QDir().mkpath(trash.files("folder"));
    write_file(trash.files("folder") + "/inner", 300);
    trash.describe("folder");
    trash.add_sizes_line(5000, trash.info_mtime("folder"), "folder");
    const QByteArray sizes = enc(trash.dir + "/directorysizes");
    std::atomic<bool> stop{false};

    QVERIFY(truncate(sizes.constData(), 1 << 20) == 0); // zeros after the line, as a line of their own
    QCOMPARE(trash_folder::measure(trash.dir, stop).size_bytes, quint64(5000));

    QVERIFY(truncate(sizes.constData(), qint64(768) << 20) == 0); // sparse: no disk taken
    const trash_folder::Figures figures = trash_folder::measure(trash.dir, stop);
    QVERIFY(figures.ok);
    QCOMPARE(figures.item_count, quint64(1));
    QCOMPARE(figures.size_bytes, quint64(300));
}

// The descriptor limit under which exactly `spare` numbers are free (a new descriptor takes
// the lowest free number, below the limit).
rlim_t limit_leaving(int spare)
{
    QSet<int> open;
    if (DIR* listing = opendir("/proc/self/fd")) {
        while (const dirent* e = readdir(listing))
            if (e->d_name[0] != '.' && atoi(e->d_name) != dirfd(listing))
                open.insert(atoi(e->d_name));
        closedir(listing);
    }
    int number = 0;
    for (int free = 0;; ++number)
        if (!open.contains(number) && free++ == spare)
            break;
    return rlim_t(number);
}

// Runs `work` with only `spare` descriptors left to open.
template <typename Work>
auto with_descriptors(int spare, Work work)
{
    rlimit before{};
    getrlimit(RLIMIT_NOFILE, &before);
    rlimit lowered = before;
    lowered.rlim_cur = limit_leaving(spare);
    setrlimit(RLIMIT_NOFILE, &lowered);
    const auto result = work();
    setrlimit(RLIMIT_NOFILE, &before);
    return result;
}

// A folder 300 levels deep, with a 3-byte file on each level, with 48 descriptors to spare
// (the walk once took two per level): measured whole and emptied whole. With fewer descriptors
// it still works from five on; below that it fails, but says so: never figures that leave part
// out, never "emptied" with something left.
void TrashTest::deep_folders_need_few_descriptors()
{
    QTemporaryDir root;
    TrashBuilder trash(root.filePath("Trash"));
    const auto build = [&](int depth) {
        QString path = trash.files("deep");
        QDir().mkpath(path);
        for (int level = 0; level < depth; ++level) {
            write_file(path + "/f", 3);
            path += "/d";
            QVERIFY(QDir().mkdir(path));
        }
        trash.describe("deep");
    };
    std::atomic<bool> stop{false};

    build(300);
    const trash_folder::Figures figures = with_descriptors(48, [&] { return trash_folder::measure(trash.dir, stop); });
    QVERIFY(figures.ok);
    QCOMPARE(figures.item_count, quint64(1));
    QCOMPARE(figures.size_bytes, quint64(3 * 300));
    QVERIFY(with_descriptors(48, [&] { return trash_folder::empty(trash.dir, stop); }));
    QVERIFY(QDir(trash.dir + "/files").isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    QVERIFY(!QFile::exists(trash.info("deep")));

    for (int spare = 0; spare <= 8; ++spare) {
        build(40);
        const trash_folder::Figures f = with_descriptors(spare, [&] { return trash_folder::measure(trash.dir, stop); });
        QVERIFY2(!f.ok || f.size_bytes == 3 * 40, qPrintable(QString("%1 spare: %2 bytes").arg(spare).arg(f.size_bytes)));
        const bool emptied = with_descriptors(spare, [&] { return trash_folder::empty(trash.dir, stop); });
        if (emptied)
            QVERIFY2(!QFile::exists(trash.files("deep")) && !QFile::exists(trash.info("deep")), qPrintable(QString::number(spare)));
        else
            QVERIFY2(QFile::exists(trash.info("deep")), "an item that stays keeps its description");
        if (spare >= 5)
            QVERIFY2(f.ok && emptied, qPrintable(QString("%1 spare").arg(spare)));
        QVERIFY(trash_folder::empty(trash.dir, stop));
    }
}

void TrashTest::only_real_folders_of_the_user_count()
{
    QTemporaryDir root;
    const uid_t uid = geteuid();
    const QString id = QString::number(uid);
    const QString home = root.filePath("data/Trash");
    QDir().mkpath(home);

    // Volume a: shared .Trash with the sticky bit, and a .Trash-uid.
    const QString a = root.filePath("a");
    QDir().mkpath(a + "/.Trash/" + id);
    QVERIFY(chmod(enc(a + "/.Trash").constData(), 01777) == 0);
    QDir().mkpath(a + "/.Trash-" + id);
    // Volume b: .Trash without the sticky bit; .Trash-uid is a symlink to a real trash.
    const QString b = root.filePath("b");
    QDir().mkpath(b + "/.Trash/" + id);
    QVERIFY(chmod(enc(b + "/.Trash").constData(), 0777) == 0);
    QVERIFY(QFile::link(a + "/.Trash-" + id, b + "/.Trash-" + id));
    // Volume c: the .Trash-uid of another user, made by us: to that user it belongs to someone else.
    const uid_t other = uid + 1;
    const QString other_id = QString::number(other);
    const QString c = root.filePath("c");
    QDir().mkpath(c + "/.Trash-" + other_id);
    // Volume d: its .Trash-uid is the home trash itself (a bind mount, say): counted once.
    const QString d = root.filePath("d");
    QDir().mkpath(d);
    QVERIFY(QFile::link(home, d + "/.Trash-" + id)); // a link is refused even to a good trash

    const QStringList tops{a + "/", b, d, a, c};
    const QStringList found = trash_places::usable(home, tops, uid);
    QCOMPARE(found, (QStringList{home, a + "/.Trash/" + id, a + "/.Trash-" + id}));
    // The home trash on a volume's top (reached by two names) is read once.
    QCOMPARE(trash_places::usable(a + "/.Trash-" + id, {a, root.filePath("x/../a")}, uid),
             (QStringList{a + "/.Trash-" + id, a + "/.Trash/" + id}));
    // For the other user nothing of ours counts, not even as the home trash; ours is ours.
    QCOMPARE(trash_places::usable(home, {c}, other), QStringList{});
    QCOMPARE(trash_places::usable(c + "/.Trash-" + other_id, {}, uid), QStringList{c + "/.Trash-" + other_id});
}

void TrashTest::mounts_list_local_volumes_only()
{
    const QByteArray mountinfo =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "23 22 0:5 / /proc rw - proc proc rw\n"
        "30 22 8:17 / /media/u/My\\040Disk rw shared:5 - vfat /dev/sdb1 rw\n"
        "31 22 0:40 / /net/home rw - nfs4 server:/home rw\n"
        "32 22 0:41 / /mnt/auto rw - autofs systemd-1 rw\n"
        "33 22 0:42 / /mnt/ssh rw - fuse.sshfs u@h: rw\n"
        "34 22 0:43 / /run/user/1000 rw - tmpfs tmpfs rw\n"
        "garbage line\n";
    QCOMPARE(trash_places::volume_tops(mountinfo),
             (QStringList{"/", "/media/u/My Disk", "/run/user/1000"}));

    qputenv("XDG_DATA_HOME", "/some/where");
    QCOMPARE(trash_places::home_trash(), QString("/some/where/Trash"));
    qputenv("XDG_DATA_HOME", "relative");
    QCOMPARE(trash_places::home_trash(), QDir::homePath() + "/.local/share/Trash");
}

void TrashTest::reading_happens_off_the_ui_thread()
{
    QTemporaryDir root;
    TrashBuilder trash(root.filePath("Trash"));
    trash.add_file("x", 7);
    QThread* asked_on = nullptr;
    LinuxTrash linux_trash([&] {
        asked_on = QThread::currentThread();
        return QStringList{trash.dir, trash.dir + "-missing"};
    });
    QSignalSpy figures(&linux_trash, &Trash::figures_read);
    linux_trash.query();
    QCOMPARE(figures.size(), 0); // nothing happens inside the call
    QVERIFY(figures.wait(5000));
    QVERIFY(asked_on != nullptr && asked_on != QThread::currentThread());
    QCOMPARE(figures.at(0), (QVariantList{true, quint64(7), quint64(1)}));

    // A trash destroyed while it reads stops and waits; no signal comes from the dead object.
    auto* busy = new LinuxTrash([&] { QThread::msleep(50); return QStringList{trash.dir}; });
    busy->query();
    delete busy;
}

QTEST_GUILESS_MAIN(TrashTest)
#include "trash_test.moc"
