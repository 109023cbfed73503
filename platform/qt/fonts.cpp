// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QFontDatabase>

namespace platform::qt {

namespace {

QString songName()
{
    return QStringLiteral("宋体");
}
QString sansName()
{
    return QStringLiteral("Microsoft Sans Serif");
}
QString chineseSans()
{
    return QStringLiteral("WenQuanYi Zen Hei");
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
    if (name == songName() || name.compare(QStringLiteral("SimSun"), Qt::CaseInsensitive) == 0) {
        families = installedOnly({songName(), QStringLiteral("SimSun"),
                                  QStringLiteral("AR PL UMing CN"), chineseSans()});
    } else if (name.compare(sansName(), Qt::CaseInsensitive) == 0) {
        // The first Latin sans found, then the Chinese one for Han text.
        const QStringList latin = installedOnly(
                {sansName(), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
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

} // namespace platform::qt
