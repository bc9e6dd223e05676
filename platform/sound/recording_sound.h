#pragma once
#include "sound.h"
#include <QFileInfo>
#include <QStringList>
#include <memory>

namespace platform {

// Writes every sound call into a shared log as "<file> play", "<file> stop",
// "<file> rewind" for buffers and "simple <file>" for the simple player.
class RecordingSoundSystem final : public SoundSystem {
public:
    QStringList log;
    int buffers_made = 0;
    int reconnects = 0;

    std::unique_ptr<SoundBuffer> make_buffer(const QString& path) override
    {
        ++buffers_made;
        return std::make_unique<Buffer>(&log, QFileInfo(path).fileName());
    }
    SimplePlayer& simple_player() override { return player_; }
    bool has_device() const override { return true; }
    void reconnect() override { ++reconnects; }

private:
    class Buffer final : public SoundBuffer {
    public:
        Buffer(QStringList* log, QString name) : log_(log), name_(std::move(name)) {}
        void play() override { log_->append(name_ + " play"); playing_ = true; }
        void stop() override { log_->append(name_ + " stop"); playing_ = false; }
        void rewind() override { log_->append(name_ + " rewind"); }
        bool is_playing() const override { return playing_; }

    private:
        QStringList* log_;
        QString name_;
        bool playing_ = false;
    };
    class Player final : public SimplePlayer {
    public:
        explicit Player(QStringList* log) : log_(log) {}
        void play(const QString& path) override { log_->append("simple " + QFileInfo(path).fileName()); }

    private:
        QStringList* log_;
    };
    Player player_{&log};
};

} // namespace platform
