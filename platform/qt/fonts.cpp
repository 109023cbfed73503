// SPDX-License-Identifier: GPL-3.0-or-later
// The design's faces as installed Qt font families.

#include "fonts.h"

#include "text.h"

#include <QFontDatabase>

#include <string>

namespace platform::qt {

namespace {

QString chineseSans()
{
    return toQString(design::linuxChineseSans);
}

QStringList installedOnly(const QStringList &wanted)
{
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const QString &family : wanted) {
        if (installed.contains(family, Qt::CaseInsensitive))
            found << family;
    }
    return found;
}

} // namespace

QStringList fontFamilies(const QString &name)
{
    QStringList families;
    const std::string face = toStdString(name);
    if (design::names(design::songFace, face)) {
        families = installedOnly({toQString(design::songFace.name),
                                  toQString(design::songFace.englishName),
                                  toQString(design::linuxSong), chineseSans()});
    } else if (design::names(design::sansFace, face)) {
        // The first Latin sans found, then the Chinese one for Han text.
        const QStringList latin = installedOnly({toQString(design::sansFace.name),
                                                 toQString(design::linuxLatinSans[0]),
                                                 toQString(design::linuxLatinSans[1])});
        if (!latin.isEmpty())
            families << latin.first();
        families << installedOnly({chineseSans()});
    } else {
        families << name << installedOnly({chineseSans()});
    }
    if (families.isEmpty())
        families << name;
    return families;
}

QFont fontFor(const QString &name, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(fontFamilies(name));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont fontFor(design::Font font)
{
    const design::FontSpec &style = design::fontSpec(font);
    return fontFor(toQString(style.face.name), design::pixelSize(style), style.bold);
}

} // namespace platform::qt
