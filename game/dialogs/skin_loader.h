#pragma once
#include <QImage>
#include <QString>
#include <array>

// Skins: folders of bitmaps named like the game's own sprites. Names are matched
// ignoring ASCII case, so a skin made on Windows ("MIPO33.BMP") works too.
class SkinLoader {
public:
    static constexpr int kFiles = 10;
    struct File {
        int holder;       // the sprite holder pic(n) it replaces
        const char* name; // as the game names it
    };
    // In load order.
    static constexpr std::array<File, kFiles> kSkinFiles{{
        {0, "ana3.bmp"},     {1, "mipo31.bmp"},   {2, "mipo32.bmp"},   {3, "mipo33.bmp"},   {5, "ita5.bmp"},
        {7, "hazure31.bmp"}, {8, "hazure32.bmp"}, {9, "hazure33.bmp"}, {10, "hazure34.bmp"}, {11, "hazure_m.bmp"},
    }};
    static constexpr const char* kProbeSeal = "mipo33.bmp";
    static constexpr const char* kProbeYeti = "hazure34.bmp";

    // The path of `name` in `folder`: the exact name when it is a file, else the first
    // file (by name) that equals it ignoring ASCII case, else the exact name. Pictures are
    // read from regular files only.
    static QString find_file(const QString& folder, const QString& name);

    // The two previews; a null image where a probe file would not load.
    struct Probe {
        QImage seal;
        QImage yeti;
        bool found() const { return !seal.isNull() && !yeti.isNull(); }
    };
    static Probe probe(const QString& folder);

    // All ten pictures, or none: `missing` names the first file that would not load.
    struct Skin {
        std::array<QImage, kFiles> pictures; // in the order of kSkinFiles
        QString missing;
        bool complete() const { return missing.isEmpty(); }
    };
    static Skin load(const QString& folder);
};
