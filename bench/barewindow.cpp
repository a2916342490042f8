// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An empty Qt window of the program's size with one line in it.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class Bare : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawLine(0, 0, width(), height());
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Bare window;
    window.setFixedSize(563, 583);
    window.show();
    return app.exec();
}
