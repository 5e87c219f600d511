#include "content/textfaces.h"

#include "content/ledfontsizes.h"

#include <QFontDatabase>

namespace lumetra {

namespace {

// Half-width ASCII in both, so a one-byte character fills its half cell.
const char *const songTiFamily = "AR PL UMing CN";
const char *const heiTiFamily = "WenQuanYi Zen Hei Mono";

} // namespace

QString TextFaces::songTi()
{
    return QStringLiteral("宋体");
}

QString TextFaces::heiTi()
{
    return QStringLiteral("黑体");
}

QStringList TextFaces::faceNames()
{
    installSubstitutions();
    QStringList names{songTi(), heiTi()};
    names << QFontDatabase::families();
    return names;
}

QString TextFaces::faceAt(int fontIndex)
{
    const QStringList names = faceNames();
    return fontIndex >= 0 && fontIndex < names.size() ? names.at(fontIndex) : songTi();
}

QString TextFaces::family(const QString &face)
{
    if (face == songTi())
        return QString::fromLatin1(songTiFamily);
    if (face == heiTi())
        return QString::fromLatin1(heiTiFamily);
    return face;
}

QFont TextFaces::ledFont(const QString &face, int pointSize)
{
    installSubstitutions();
    QFont font;
    font.setFamilies({family(face), QString::fromLatin1(songTiFamily)});
    font.setPixelSize(std::max(1, LedFontSizes::pixelSize(pointSize)));
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoAntialias);
    // Zen Hei's own default here is full hinting, which drops whole strokes
    // at 12 to 16 pixels; unhinted outlines keep them (UMing draws the same
    // either way).
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void TextFaces::installSubstitutions()
{
    static const bool installed = [] {
        QFont::insertSubstitution(songTi(), QString::fromLatin1(songTiFamily));
        QFont::insertSubstitution(heiTi(), QString::fromLatin1(heiTiFamily));
        return true;
    }();
    (void)installed;
}

} // namespace lumetra
