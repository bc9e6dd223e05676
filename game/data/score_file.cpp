#include "score_file.h"
#include "platform/text/legacy/fixed_string.h"
#include "platform/text/legacy/record_file.h"
#include "platform/text/text_codec.h"

namespace score_file {
namespace {

constexpr int kNameChars = 6;

int record_of(int entry, int field) { return 5 * entry + field; }

} // namespace

QByteArray encode_name(const QString& name)
{
    const QString fixed = legacy::fixed_length(name, kNameChars);
    QByteArray out;
    for (qsizetype i = 0; i < fixed.size();) {
        const qsizetype len = (fixed[i].isHighSurrogate() && i + 1 < fixed.size()) ? 2 : 1;
        const QByteArray b = platform::encode_cp932(fixed.mid(i, len));
        if (out.size() + b.size() > kRecordLength)
            break;
        out += b;
        i += len;
    }
    return out;
}

QString decode_name(const QByteArray& field)
{
    const qsizetype nul = field.indexOf('\0');
    const QByteArray text = nul < 0 ? field : field.left(nul);
    return legacy::fixed_length(platform::decode_cp932(text), kNameChars);
}

void parse(const QByteArray& bytes, ScoreTable& table)
{
    const legacy::RecordReader r(bytes, kRecordLength);
    for (int k = 0; k < kEntries; ++k) {
        ScoreEntry& e = table[k];
        e.name = decode_name(r.record(record_of(k, 1)));
        e.score = r.read_i16(record_of(k, 2));
        e.hits = r.read_u8(record_of(k, 3));
        e.misses = r.read_u8(record_of(k, 4));
        e.hit_rate = r.read_u8(record_of(k, 5));
    }
}

QByteArray serialize(const ScoreTable& table)
{
    legacy::RecordWriter w(kRecordLength);
    for (int k = 0; k < kEntries; ++k) {
        const ScoreEntry& e = table[k];
        w.put_bytes(record_of(k, 1), encode_name(e.name));
        w.put_i16(record_of(k, 2), e.score);
        w.put_u8(record_of(k, 3), e.hits);
        w.put_u8(record_of(k, 4), e.misses);
        w.put_u8(record_of(k, 5), e.hit_rate);
    }
    return w.bytes();
}

bool is_complete(const QByteArray& bytes)
{
    return bytes.size() >= kCompleteSize;
}

} // namespace score_file
