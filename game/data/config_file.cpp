#include "config_file.h"
#include "platform/text/legacy/record_file.h"
#include <algorithm>

namespace config_file {

GameSettings parse(const QByteArray& bytes)
{
    GameSettings s;
    const legacy::RecordReader r(bytes, kRecordLength);
    const auto size = bytes.size();
    if (size >= 2)
        s.mipo_interval = std::max<int16_t>(r.read_i16(1), 1);
    if (size >= 4)
        s.hazure_interval = std::max<int16_t>(r.read_i16(2), 1);
    if (size >= 5)
        s.hazure_rate = std::min<uint8_t>(r.read_u8(3), 100);
    if (size >= 7)
        s.buki_no = r.read_u8(4); // kept as stored: a number of no weapon equips none
    return s;
}

QByteArray serialize(const GameSettings& settings)
{
    legacy::RecordWriter w(kRecordLength);
    w.put_i16(1, settings.mipo_interval);
    w.put_i16(2, settings.hazure_interval);
    w.put_u8(3, settings.hazure_rate);
    w.put_u8(4, settings.buki_no);
    return w.bytes();
}

bool is_complete(const QByteArray& bytes)
{
    return bytes.size() >= kCompleteSize;
}

} // namespace config_file
