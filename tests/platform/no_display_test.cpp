#include <QProcess>
#include <QtTest>

// Every window program of the suite, started where the display cannot be reached,
// says so in one line and ends with exit code 1: no abort, no core dump.
class NoDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void every_program_ends_with_1_and_one_line()
    {
        const QString suite = qEnvironmentVariable("SUITE_DIR");
        QVERIFY2(!suite.isEmpty(), "SUITE_DIR is not set");
        const QStringList programs = {QStringLiteral("mpkx_v1081dx7"), QStringLiteral("memolu_v1001"),
                                      QString::fromUtf8("クルリト1"), QStringLiteral("yomino02")};
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
};

QTEST_MAIN(NoDisplayTest)
#include "no_display_test.moc"
