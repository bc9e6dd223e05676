#include "x_session.h"
#include <QProcess>
#include <QtTest>

namespace {

const QStringList kPrograms = {QStringLiteral("mpkx_v1081dx7"), QStringLiteral("memolu_v1001"),
                               QString::fromUtf8("クルリト1"), QStringLiteral("yomino02")};

// Every program with windows, and the menu entry (com.example.zorvik.<name>.desktop) it belongs to.
const QList<std::pair<QString, QByteArray>> kEntries = {
    {QStringLiteral("mpkx_v1081dx7"), "MipoPokan"}, {QStringLiteral("mpkx_v1080dx7"), "MipoPokanEarlier"},
    {QStringLiteral("memolu_v1001"), "Memolu"},     {QStringLiteral("brovu_v1000"), "Picoron"},
    {QString::fromUtf8("クルリト1"), "Kururito"},   {QStringLiteral("yomino02"), "Yomino"}};

// The environment of a session with no display at all.
QProcessEnvironment without_display()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    return env;
}

} // namespace

// Every window program of the suite, started where the display cannot be reached,
// says so in one line and ends with exit code 1: no abort, no core dump. Where it
// can be reached, the check before start-up does not get in Qt's way, and the windows
// carry what the desktop needs to show them with their menu entries. --help and
// --version need no display at all.
class NoDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void every_program_ends_with_1_and_one_line()
    {
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        QVERIFY2(!suite.isEmpty(), "SUITE_DIR is not set");
        const QStringList& programs = kPrograms;
        for (const auto& [display, platform] : {std::pair{"127.0.0.1:999", "xcb"}, std::pair{":999", "xcb"},
                                                  std::pair{":999", ""}, std::pair{"", ""}}) {
            for (const QString& name : programs) {
                const QString path = suite + QLatin1Char('/') + name;
                if (!QFile::exists(path))
                    continue; // not built in this tree
                QProcessEnvironment env = without_display();
                if (*display)
                    env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
                if (*platform)
                    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
                QProcess program;
                program.setProcessEnvironment(env);
                program.start(path, {});
                const QString what = name + QStringLiteral(" with DISPLAY=") + QString::fromLatin1(display);
                QVERIFY2(program.waitForFinished(20000), qPrintable(what + " did not end"));
                QVERIFY2(program.exitStatus() == QProcess::NormalExit, qPrintable(what + " crashed"));
                QVERIFY2(program.exitCode() == 1, qPrintable(what + " ended with " + QString::number(program.exitCode())));
                const QByteArray err = program.readAllStandardError();
                QVERIFY2(err.count('\n') == 1 && err.endsWith('\n'), qPrintable(what + " said: " + err));
            }
        }
    }

    // --help and --version answer on standard output as command-line programs do: no window,
    // no display needed, exit code 0.
    void every_program_answers_help_and_version_without_a_display()
    {
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        QStringList names{QStringLiteral("zorvik_home")}; // and every program with windows
        for (const auto& [name, entry] : kEntries)
            names << name;
        int answered = 0;
        for (const QString& name : names) {
            const QString path = suite + QLatin1Char('/') + name;
            if (!QFile::exists(path))
                continue; // not built in this tree
            for (const QString& option : {QStringLiteral("--version"), QStringLiteral("--help")}) {
                QProcess program;
                program.setProcessEnvironment(without_display());
                program.start(path, {option});
                const QString what = name + QLatin1Char(' ') + option;
                QVERIFY2(program.waitForFinished(20000), qPrintable(what + " did not end"));
                const QString out = QString::fromUtf8(program.readAllStandardOutput());
                const QByteArray err = program.readAllStandardError();
                QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
                         qPrintable(what + " ended with " + QString::number(program.exitCode()) + ": " + err));
                QVERIFY2(err.isEmpty(), qPrintable(what + " said on stderr: " + err));
                if (option == QLatin1String("--version")) {
                    const QRegularExpression line(QLatin1Char('^') + QRegularExpression::escape(name)
                                                  + QStringLiteral(" \\(.+\\) \\d+\\.\\d+\\.\\d+\n$"));
                    QVERIFY2(line.match(out).hasMatch(), qPrintable(what + " said: " + out));
                } else {
                    QVERIFY2(out.startsWith(QStringLiteral("Usage: ") + name + QLatin1Char(' ')) && out.contains("--version"),
                             qPrintable(what + " said: " + out));
                }
                ++answered;
            }
        }
        QVERIFY(answered >= 2 * (kPrograms.size() + 1)); // at least the programs this test is built with
    }

    void every_program_starts_as_the_only_client_of_a_fresh_display()
    {
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        for (const QString& name : kPrograms) {
            const QString path = suite + QLatin1Char('/') + name;
            if (!QFile::exists(path))
                continue;
            XSession x(false);
            QVERIFY2(x.ok(), XSession::kNoServer);
            QProcess program;
            program.setProcessEnvironment(x.environment());
            program.start(path, {});
            QVERIFY(program.waitForStarted());
            QVERIFY2(!program.waitForFinished(2000),
                     qPrintable(name + " ended with " + QString::number(program.exitCode()) + ": "
                                + program.readAllStandardError()));
            program.kill();
            program.waitForFinished();
        }
    }

    // Docks and task bars find a window's menu entry through the class part of its WM_CLASS
    // (the entry's StartupWMClass), and show the window's icon beside it.
    void every_window_carries_its_entry_class_and_an_icon()
    {
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        int seen = 0;
        for (const auto& [name, entry] : kEntries) {
            const QString path = suite + QLatin1Char('/') + name;
            if (!QFile::exists(path))
                continue;
            ++seen;
            XSession x;
            QVERIFY2(x.ok(), XSession::kNoServer);
            QProcess program;
            program.setProcessEnvironment(x.environment());
            program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            program.start(path, {});
            QVERIFY(program.waitForStarted());
            const QByteArray id = "com.example.zorvik." + entry;
            const XSession::WindowFacts window = x.wait_for_class(id, 20000);
            program.kill();
            program.waitForFinished();
            QVERIFY2(window.found, qPrintable(name + " shows no window of the class " + id));
            if (entry != "Yomino") // the black screen shows no picture
                QVERIFY2(window.has_icon, qPrintable(name + " has no window icon"));
        }
        QVERIFY(seen >= kPrograms.size()); // at least the programs this test is built with
    }
};

QTEST_MAIN(NoDisplayTest)
#include "no_display_test.moc"
