// Painting a picture box that holds the grid of a group of order 120 (about
// 15,000 pieces of text in two fonts and the rules), offscreen: a repaint of
// the part in view, as scrolling and uncovering ask for, and after a scroll
// to the middle of the picture.

#include <benchmark/benchmark.h>

#include <QPixmap>
#include <QString>

#include "gui/common/picture_box.h"

namespace {

using quorix::gui::PictureBox;

void FillGrid(PictureBox& box, int n) {
    constexpr double kColumn = 900, kRow = 300;
    for (int i = 0; i <= n; ++i) {
        box.setFontBold(i == 0);
        for (int j = 0; j <= n; ++j) {
            box.setFontBold(i == 0 || j == 0);
            box.drawText(kColumn * j, kRow * i, QStringLiteral("A%1B").arg((i * j) % n));
        }
    }
    for (int i = 0; i <= n + 1; ++i) {
        box.drawLine(0, kRow * i, kColumn * (n + 1), kRow * i);
        box.drawLine(kColumn * i, 0, kColumn * i, kRow * (n + 1));
    }
}

void PaintVisiblePart(benchmark::State& state) {
    const bool scrolled = state.range(0) != 0;
    QWidget window;
    window.resize(1000, 700);
    PictureBox box(&window);
    box.setGeometry(0, 0, 9000, 3000);
    FillGrid(box, 120);
    if (scrolled) box.move(-4000, -1200);
    window.show();
    QPixmap target(window.size());
    for (auto _ : state) {
        window.render(&target);
        benchmark::DoNotOptimize(target);
    }
    state.SetLabel(scrolled ? "scrolled to the middle" : "top left");
}

}  // namespace

BENCHMARK(PaintVisiblePart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
