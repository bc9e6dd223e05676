#pragma once
#include <QString>
#include <QStringList>
#include <QTest>

// Root may read and write every file, so a case about files a user may not touch proves
// nothing when the tests run as root (as CI does). Such a case runs again, as a second process
// of the same test program started as the user "nobody" (through setpriv), with a home, XDG
// folders and a TMPDIR of its own.

// Runs this test program with `arguments` (which pick the one case to run) as nobody.
// Returns an empty text when the child ended with 0 and its output has a line matching
// `passed_line` (a regular expression) and no skip; else what went wrong, with its output.
QString run_as_nobody(const QStringList& arguments, const QString& passed_line);

// The QtTest case being run now, run again as nobody.
inline QString run_qtest_case_as_nobody()
{
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    return run_as_nobody({function}, QStringLiteral("^PASS   : \\w+::") + function + QStringLiteral("\\(\\)"));
}
// Fails the QtTest case being run now (and returns from it) when it does not pass as nobody.
#define QVERIFY_PASSES_AS_NOBODY()                                                                                    \
    do {                                                                                                               \
        const QString nobody_failure = run_qtest_case_as_nobody();                                                     \
        QVERIFY2(nobody_failure.isEmpty(), qPrintable(nobody_failure));                                                \
    } while (false)
