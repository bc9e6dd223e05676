#pragma once
// A private sound server with a null sink, "bench", on a socket of its own; works as root
// and without a session bus. PulseAudio needs pulseaudio and pactl (pulseaudio-utils);
// PipeWire, as desktops run it, pipewire, its PulseAudio service (pipewire-pulse), its session
// manager (wireplumber) and a bus of its own (dbus-daemon) besides pactl.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <memory>
#include <optional>
#include <signal.h>
#include <vector>

class SoundServer {
public:
    enum class Kind { PulseAudio, PipeWire };
    explicit SoundServer(const QString& dir, Kind kind = Kind::PulseAudio) : dir_(dir), kind_(kind) {}
    ~SoundServer() { stop(); }
    static bool available(Kind kind = Kind::PulseAudio)
    {
        QStringList programs{QStringLiteral("pactl")};
        if (kind == Kind::PulseAudio)
            programs << QStringLiteral("pulseaudio");
        else
            programs << QStringLiteral("pipewire") << QStringLiteral("pipewire-pulse") << QStringLiteral("wireplumber")
                     << QStringLiteral("dbus-daemon");
        for (const QString& p : programs)
            if (QStandardPaths::findExecutable(p).isEmpty())
                return false;
        return true;
    }
    QString address() const
    {
        return kind_ == Kind::PulseAudio ? QStringLiteral("unix:") + dir_ + QStringLiteral("/pulse.sock")
                                         : QStringLiteral("unix:") + dir_ + QStringLiteral("/runtime/pulse/native");
    }
    bool start() { return kind_ == Kind::PulseAudio ? start_pulseaudio() : start_pipewire(); }
    // Gone at once, as a crashed server is.
    void kill()
    {
        for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) {
            ::kill(static_cast<pid_t>((*it)->processId()), SIGKILL);
            (*it)->waitForFinished();
        }
        processes_.clear();
    }
    void stop() { kill(); }
    // Stopped as a hung server is: the kernel still takes its connections, it answers none.
    void stop_answering() { signal_pulse_service(SIGSTOP); }
    void answer_again() { signal_pulse_service(SIGCONT); }
    // PulseAudio itself, or PipeWire's PulseAudio service: the last one started.
    pid_t pulse_service_pid() const
    {
        return processes_.empty() ? -1 : static_cast<pid_t>(processes_.back()->processId());
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
        const auto out = sink_inputs();
        return out ? static_cast<int>(out->count("Corked: no")) : -1;
    }
    // What the server shows of its streams, their properties among it.
    std::optional<QByteArray> sink_inputs() { return pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}); }
    // Records what the sink plays (its monitor), 16-bit stereo at 44.1 kHz, into `file`. At
    // 2 ms PipeWire runs its whole graph at a 2.9 ms cycle, which it does not always keep on a
    // busy machine (a cycle of zeros for every stream): there it records at 10. On PulseAudio
    // the recorder's latency is the sink's too (the smallest any stream asks for):
    // SOUND_TEST_RECORDER_MS sets it, to see how the stream fares on a sink that mixes further
    // ahead, as a desktop's does when no program asks for a low latency.
    bool record(QProcess& parec, const QString& file)
    {
        const QString latency = kind_ == Kind::PulseAudio
                                    ? qEnvironmentVariable("SOUND_TEST_RECORDER_MS", QStringLiteral("2"))
                                    : QStringLiteral("10");
        parec.setProcessEnvironment(client_environment());
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("-d"), QStringLiteral("bench.monitor"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"), QStringLiteral("--channels=2"),
                     QStringLiteral("--latency-msec=") + latency, file});
        return parec.waitForStarted();
    }
    QProcessEnvironment client_environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), address());
        return env;
    }

private:
    void signal_pulse_service(int signal)
    {
        if (const pid_t pid = pulse_service_pid(); pid > 0)
            ::kill(pid, signal);
    }
    QProcess& launch(const QString& program, const QStringList& args, const QProcessEnvironment& env)
    {
        processes_.push_back(std::make_unique<QProcess>());
        QProcess& p = *processes_.back();
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(program, args);
        return p;
    }
    bool start_pulseaudio()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_);
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_ + QStringLiteral("/runtime"));
        QProcess& server = launch(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-level=0"),
             QStringLiteral("--load=module-null-sink sink_name=bench"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + dir_
                 + QStringLiteral("/pulse.sock")},
            env);
        if (!server.waitForStarted())
            return false;
        for (int i = 0; i < 100; ++i) {
            if (pactl({QStringLiteral("info")}).has_value())
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    // PipeWire with its session manager and its PulseAudio service, the graph at 44.1 kHz so
    // that nothing is resampled on the way to the recording.
    bool start_pipewire()
    {
        const QString runtime = dir_ + QStringLiteral("/runtime"), config = dir_ + QStringLiteral("/config");
        if (!QDir().mkpath(runtime)
            || !QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
            return false;
        if (!write_file(config + QStringLiteral("/pipewire/pipewire.conf.d/rate.conf"),
                        "context.properties = { default.clock.rate = 44100 default.clock.allowed-rates = [ 44100 ] }\n"))
            return false;
        // Without bluetooth, whose seat watching needs logind: WirePlumber quits where it finds
        // none (a container, a chroot). 0.4 (Debian 12) reads Lua, 0.5 (Debian 13) SPA-JSON.
        const QString wireplumber = config + QStringLiteral("/wireplumber");
        if (!write_file(wireplumber + QStringLiteral("/bluetooth.lua.d/80-no-bluetooth.lua"),
                        "bluez_monitor.enabled = false\n")
            || !write_file(wireplumber + QStringLiteral("/wireplumber.conf.d/80-no-bluetooth.conf"),
                           "wireplumber.profiles = { main = { monitor.bluez = disabled "
                           "monitor.bluez.seat-monitoring = disabled } }\n"))
            return false;
        const QString bus = runtime + QStringLiteral("/bus");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("PIPEWIRE_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + bus);
        launch(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--address=unix:path=") + bus},
               env);
        if (!wait_for_file(bus))
            return false;
        launch(QStringLiteral("pipewire"), {}, env);
        if (!wait_for_file(runtime + QStringLiteral("/pipewire-0")))
            return false;
        launch(QStringLiteral("wireplumber"), {}, env);
        launch(QStringLiteral("pipewire-pulse"), {}, env);
        for (int i = 0; i < 100 && !pactl({QStringLiteral("info")}); ++i)
            QThread::msleep(50);
        if (!pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"), QStringLiteral("sink_name=bench"),
                    QStringLiteral("rate=44100"), QStringLiteral("format=s16le"), QStringLiteral("channels=2")})
            || !pactl({QStringLiteral("set-default-sink"), QStringLiteral("bench")}))
            return false;
        for (int i = 0; i < 100; ++i) {
            const auto sources = pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sources")});
            if (sources && sources->contains("bench.monitor"))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    static bool write_file(const QString& path, const QByteArray& text)
    {
        QFile f(path);
        return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    }
    static bool wait_for_file(const QString& path)
    {
        for (int i = 0; i < 100 && !QFileInfo::exists(path); ++i)
            QThread::msleep(50);
        return QFileInfo::exists(path);
    }
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
    Kind kind_;
    std::vector<std::unique_ptr<QProcess>> processes_; // in the order started
};
