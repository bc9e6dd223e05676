#include "comment_file.h"
#include "platform/text/legacy/field_reader.h"
#include "platform/text/text_codec.h"

namespace comment_file {

QStringList parse(const QByteArray& bytes, int capacity)
{
    return legacy::read_fields(platform::decode_cp932(bytes), capacity);
}

} // namespace comment_file
