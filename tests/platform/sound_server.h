#pragma once
// A private PulseAudio with a null sink, "bench", on a socket of its own; works as root
// and without a session bus. Needs pulseaudio and pactl (pulseaudio-utils).
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <optional>
#include <signal.h>

class SoundServer {
public:
    explicit SoundServer(const QString& dir) : dir_(dir) {}
    ~SoundServer() { stop(); }
    static bool available()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
               && !QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty();
    }
    QString address() const { return QStringLiteral("unix:") + dir_ + QStringLiteral("/pulse.sock"); }
    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_);
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_ + QStringLiteral("/runtime"));
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"),
                       QStringLiteral("--log-level=0"), QStringLiteral("--load=module-null-sink sink_name=bench"),
                       QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + dir_
                           + QStringLiteral("/pulse.sock")});
        if (!server_.waitForStarted())
            return false;
        for (int i = 0; i < 100; ++i) {
            if (pactl({QStringLiteral("info")}).has_value())
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    // Gone at once, as a crashed server is.
    void kill()
    {
        ::kill(static_cast<pid_t>(server_.processId()), SIGKILL);
        server_.waitForFinished();
    }
    void stop()
    {
        if (server_.state() != QProcess::NotRunning)
            kill();
    }
    // The streams on the server, held (corked) or not; -1 when pactl failed.
    int streams()
    {
        const auto out = pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
        return out ? static_cast<int>(out->count('\n')) : -1;
    }
    // The streams the server plays (not held).
    int playing_streams()
    {
        const auto out = pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
        return out ? static_cast<int>(out->count("Corked: no")) : -1;
    }
    // Records what the sink plays (its monitor), 16-bit stereo at 44.1 kHz, into `file`.
    bool record(QProcess& parec, const QString& file)
    {
        parec.setProcessEnvironment(client_environment());
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("-d"), QStringLiteral("bench.monitor"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"), QStringLiteral("--channels=2"),
                     QStringLiteral("--latency-msec=2"), file});
        return parec.waitForStarted();
    }
    QProcessEnvironment client_environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), address());
        return env;
    }

private:
    std::optional<QByteArray> pactl(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = client_environment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // the words read above are pactl's English
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("pactl"), args);
        if (!p.waitForFinished(5000) || p.exitCode() != 0)
            return std::nullopt;
        return p.readAllStandardOutput();
    }

    QString dir_;
    QProcess server_;
};
