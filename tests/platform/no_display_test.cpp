#include "x_session.h"
#include <QProcess>
#include <QtTest>

namespace {

const QStringList kPrograms = {QStringLiteral("mpkx_v1081dx7"), QStringLiteral("memolu_v1001"),
                               QString::fromUtf8("クルリト1"), QStringLiteral("yomino02")};

} // namespace

// Every window program of the suite, started where the display cannot be reached,
// says so in one line and ends with exit code 1: no abort, no core dump. Where it
// can be reached, the check before start-up does not get in Qt's way.
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
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                env.remove(QStringLiteral("QT_QPA_PLATFORM"));
                env.remove(QStringLiteral("DISPLAY"));
                env.remove(QStringLiteral("WAYLAND_DISPLAY"));
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

    void every_program_starts_as_the_only_client_of_a_fresh_display()
    {
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        for (const QString& name : kPrograms) {
            const QString path = suite + QLatin1Char('/') + name;
            if (!QFile::exists(path))
                continue;
            XSession x(false);
            if (!x.ok())
                QSKIP("no Xvfb");
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
};

QTEST_MAIN(NoDisplayTest)
#include "no_display_test.moc"
