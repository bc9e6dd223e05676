#pragma once

class QApplication;

namespace platform {

// Every program of the suite speaks Japanese: Qt's own dialog buttons in Japanese
// (はい / いいえ / キャンセル) and a Japanese font throughout, with the classic
// "ＭＳ Ｐゴシック" standing for IPA P Gothic.
void setup_japanese_ui(QApplication& app);

} // namespace platform
