#include "record_file.h"
#include <stdexcept>

namespace legacy {

RecordReader::RecordReader(QByteArray bytes, int record_length)
    : bytes_(std::move(bytes)), record_length_(record_length)
{
    if (record_length_ <= 0)
        throw std::invalid_argument("record length must be positive");
}

QByteArray RecordReader::record(int number) const
{
    QByteArray out(record_length_, '\0');
    if (number < 1)
        return out;
    const qsizetype start = static_cast<qsizetype>(number - 1) * record_length_;
    for (qsizetype i = 0; i < record_length_ && start + i < bytes_.size(); ++i)
        out[i] = bytes_[start + i];
    return out;
}

int16_t RecordReader::read_i16(int number) const
{
    const QByteArray r = record(number);
    const uint8_t lo = static_cast<uint8_t>(r[0]);
    const uint8_t hi = record_length_ > 1 ? static_cast<uint8_t>(r[1]) : 0;
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

uint8_t RecordReader::read_u8(int number) const
{
    return static_cast<uint8_t>(record(number)[0]);
}

QByteArray RecordReader::read_bytes(int number, int count) const
{
    return record(number).left(count);
}

int RecordReader::record_count() const
{
    return static_cast<int>((bytes_.size() + record_length_ - 1) / record_length_);
}

RecordWriter::RecordWriter(int record_length) : record_length_(record_length)
{
    if (record_length_ <= 0)
        throw std::invalid_argument("record length must be positive");
}

void RecordWriter::put_at(qsizetype offset, const QByteArray& field)
{
    if (bytes_.size() < offset + field.size())
        bytes_.resize(offset + field.size(), '\0');
    for (qsizetype i = 0; i < field.size(); ++i)
        bytes_[offset + i] = field[i];
}

void RecordWriter::put_i16(int number, int16_t value)
{
    const auto u = static_cast<uint16_t>(value);
    QByteArray f(2, '\0');
    f[0] = static_cast<char>(u & 0xff);
    f[1] = static_cast<char>(u >> 8);
    put_bytes(number, f);
}

void RecordWriter::put_u8(int number, uint8_t value)
{
    put_bytes(number, QByteArray(1, static_cast<char>(value)));
}

void RecordWriter::put_bytes(int number, const QByteArray& field)
{
    if (number < 1)
        throw std::invalid_argument("records are numbered from 1");
    put_at(static_cast<qsizetype>(number - 1) * record_length_, field.left(record_length_));
}

} // namespace legacy
