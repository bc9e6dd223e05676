#pragma once
#include <QByteArray>
#include <QStringList>

// "hitc.csv" / "missc.csv": CP932 text, one comment per comma- or line-separated field.
namespace comment_file {

constexpr int kHitComments = 22;
constexpr int kMissComments = 11;

// At most `capacity` comments, in file order.
QStringList parse(const QByteArray& bytes, int capacity);

} // namespace comment_file
