// SPDX-License-Identifier: GPL-3.0-or-later
// Prompt round trips of a whole run through the program's window: Command1 clicked with the
// mouse, every prompt box answered by typing and Enter. The route has `points` intermediate
// points (first argument, default 30): the test kit's rising route, each segment 10 units long
// and rising 0.01 m, every confirmation and stepping prompt answered with an empty line.

#include "round_trips.h"

#include "routes.h"

#include "mainwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

void click(QWidget *button)
{
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(button, &release);
}

} // namespace

int main(int argc, char *argv[])
{
    const int points = bench::countArgument(argc, argv, 30);
    QApplication app(argc, argv);
    bench::setUpLikeTheProgram();

    ui::MainWindow window;
    QStringList replies;
    for (const std::string &reply : kit::risingRoute(kit::risingNames(points)).replies)
        replies << QString::fromStdString(reply);
    bench::RoundTrips roundTrips(replies);
    window.show();
    QTimer::singleShot(0, &window, [&] {
        // The run lasts as long as the click: its prompt boxes run their own event loops.
        click(window.findChild<QPushButton *>(QStringLiteral("Command1")));
        roundTrips.print();
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
