// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's floor for prompt round trips: a loop of QInputDialog::getText boxes over a plain window,
// answered the same way as the program's prompts. The boxes ask the program's own texts, a short
// and a long one in turn, so both lay out the same Chinese text. The number of boxes is the first
// argument (default 180).

#include "round_trips.h"

#include "design.h"
#include "texts.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>
#include <QWidget>

#include <string_view>

int main(int argc, char *argv[])
{
    const int prompts = bench::countArgument(argc, argv, 180);
    QApplication app(argc, argv);
    bench::setUpLikeTheProgram();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Brannock"));
    window.resize(design::px(design::openWidth), design::px(design::openHeight));
    QStringList replies;
    for (int i = 0; i < prompts; ++i)
        replies << QStringLiteral("10");
    bench::RoundTrips roundTrips(replies);
    window.show();
    QTimer::singleShot(0, &window, [&] {
        for (int i = 0; i < prompts; ++i) {
            const std::string_view label
                    = i % 2 == 0 ? adjustment::texts::P6 : adjustment::texts::ConfirmDH.c1;
            bool ok = false;
            QInputDialog::getText(&window, QStringLiteral("Brannock"),
                                  QString::fromUtf8(label.data(), qsizetype(label.size())),
                                  QLineEdit::Normal, QString(), &ok);
        }
        roundTrips.print();
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
