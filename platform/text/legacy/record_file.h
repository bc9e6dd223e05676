#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace legacy {

// A random-access file of fixed-length records, numbered from 1, held in memory.
// Reading a record beyond the end of the data gives zeros, as the classic
// random-access Get does on a short file.
class RecordReader {
public:
    RecordReader(QByteArray bytes, int record_length);

    QByteArray record(int number) const;           // the whole record, zero-filled past the end
    int16_t read_i16(int number) const;            // little-endian, from the record's start
    uint8_t read_u8(int number) const;
    QByteArray read_bytes(int number, int count) const;
    int record_count() const;                      // whole or partial records present

private:
    QByteArray bytes_;
    int record_length_;
};

// Builds the bytes of such a file. The file ends after the last field written;
// unused bytes of a record before that are zero.
class RecordWriter {
public:
    explicit RecordWriter(int record_length);

    void put_i16(int number, int16_t value);
    void put_u8(int number, uint8_t value);
    void put_bytes(int number, const QByteArray& field); // cut to the record length
    const QByteArray& bytes() const { return bytes_; }

private:
    void put_at(qsizetype offset, const QByteArray& field);
    QByteArray bytes_;
    int record_length_;
};

} // namespace legacy
