#include "gui/perm/rubik_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include "core/group/errors.h"
#include "gui/common/panel_registry.h"

namespace quorix::gui {

namespace {

constexpr const char* kFaces = "ULFRBD";
// Where each face sits on the net, in cells: U above F; L, F, R, B in a row; D below.
constexpr int kFaceColumn[6] = {3, 0, 3, 6, 9, 3};
constexpr int kFaceRow[6] = {0, 3, 3, 3, 3, 6};
// Row and column of the eight facelets of a face (the centre is 1, 1).
constexpr int kPlaceRow[8] = {0, 0, 0, 1, 1, 2, 2, 2};
constexpr int kPlaceColumn[8] = {0, 1, 2, 0, 2, 0, 1, 2};

QColor FaceColour(int face) {
    static constexpr QRgb kColours[6] = {0xFFFFFF, 0xFF8C00, 0x009B48, 0xC41E3A, 0x0046AD, 0xFFD500};
    return QColor::fromRgb(kColours[face]);
}

}  // namespace

void CubeNet::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int cell = std::min(width() / 12, height() / 9);
    const int left = (width() - 12 * cell) / 2, top = (height() - 9 * cell) / 2;
    const perm::Perm inverse = perm::Inverse(state_);
    p.setPen(QPen(Qt::black, 1));
    for (int face = 0; face < 6; ++face) {
        auto square = [&](int row, int column, const QColor& colour) {
            const QRect r(left + (kFaceColumn[face] + column) * cell, top + (kFaceRow[face] + row) * cell, cell, cell);
            p.fillRect(r, colour);
            p.drawRect(r);
        };
        square(1, 1, FaceColour(face));
        for (int place = 0; place < 8; ++place) {
            // The sticker now at this position came from facelet inverse[q].
            const int q = face * 8 + place;
            square(kPlaceRow[place], kPlaceColumn[place], FaceColour(inverse[static_cast<std::size_t>(q)] / 8));
        }
        p.drawText(QRect(left + (kFaceColumn[face] + 1) * cell, top + (kFaceRow[face] + 1) * cell, cell, cell),
                   Qt::AlignCenter, QString(QChar::fromLatin1(kFaces[face])));
    }
}

RubikPanel::RubikPanel(AppContext& context, QWidget* parent)
    : Panel(context, QStringLiteral("dlgRubiksCube"), QStringLiteral("Rubik's Cube"), parent),
      spec_(*perm::ReadPermSpec("Rubik")) {
    buildStandardMenus(false, false);
    setClientSizeTw(11000, 8000);
    net_ = addControl<CubeNet>(QStringLiteral("picNet"), 300, 200, 6400, 4800);
    for (int face = 0; face < 6; ++face) {
        const QString name = QString(QChar::fromLatin1(kFaces[face]));
        auto* turn =
            addButton(QStringLiteral("cmdMove") + name, name, 7000 + (face % 3) * 1300, 300 + (face / 3) * 450, 1200);
        auto* back = addButton(QStringLiteral("cmdMove") + name + QStringLiteral("i"), name + QStringLiteral("'"),
                               7000 + (face % 3) * 1300, 1300 + (face / 3) * 450, 1200);
        connect(turn, &QPushButton::clicked, this, [this, name] { applyMoves(name); });
        connect(back, &QPushButton::clicked, this, [this, name] { applyMoves(name + QStringLiteral("'")); });
    }
    auto* solveButton = addButton(QStringLiteral("cmdSolve"), QStringLiteral("&Solve"), 7000, 2400, 1800);
    auto* resetButton = addButton(QStringLiteral("cmdReset"), QStringLiteral("&Reset"), 8900, 2400, 1800);
    connect(solveButton, &QPushButton::clicked, this, [this] { solve(); });
    connect(resetButton, &QPushButton::clicked, this, [this] { reset(); });
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 7000, 2900, 1800);
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    createProcessingFrame(7000, 3400, 3700, 650);

    addLabel(QStringLiteral("lblMoves"), QStringLiteral("Moves (R U R' U2):"), 300, 5200, 2300, 300);
    txtMoves_ = addControl<QLineEdit>(QStringLiteral("txtMoves"), 2600, 5140, 6300, 380);
    auto* apply = addButton(QStringLiteral("cmdApply"), QStringLiteral("&Apply"), 9100, 5140, 1600);
    connect(apply, &QPushButton::clicked, this, [this] {
        if (applyMoves(txtMoves_->text())) txtMoves_->clear();
    });
    addLabel(QStringLiteral("lblState"), QStringLiteral("Position (facelets):"), 300, 5700, 2300, 300);
    txtState_ = addControl<QLineEdit>(QStringLiteral("txtState"), 2600, 5640, 6300, 380);
    txtState_->setPlaceholderText(QStringLiteral("(7,18)(2,34)  -  facelets 1-48, U L F R B D faces of 8"));
    auto* check = addButton(QStringLiteral("cmdCheck"), QStringLiteral("&Reachable?"), 9100, 5640, 1600);
    connect(check, &QPushButton::clicked, this, [this] { checkTypedState(); });
    txtOutput_ = addControl<QPlainTextEdit>(QStringLiteral("txtOutput"), 300, 6200, 10400, 1600);
    txtOutput_->setReadOnly(true);
    Progress quiet;
    cube_ = perm::MakePermGroup(spec_, quiet);
    txtOutput_->setPlainText(QStringLiteral("The cube has %1 = %2 positions.")
                                 .arg(QString::fromStdString(cube_->Order().get_str()),
                                      QString::fromStdString(perm::FactorisedString(cube_->Order()))));
}

void RubikPanel::setState(perm::Perm state) {
    state_ = std::move(state);
    net_->setState(state_);
}

void RubikPanel::reset() { setState(perm::Identity(48)); }

bool RubikPanel::applyMoves(const QString& text) {
    perm::Perm s = state_;
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int face = token.isEmpty() ? -1 : static_cast<int>(QByteArray(kFaces).indexOf(token[0].toLatin1()));
        QString rest = token.mid(1);
        long long power = 1;
        bool ok = face >= 0;
        if (ok && rest == QStringLiteral("'"))
            power = -1;
        else if (ok && !rest.isEmpty()) {
            if (rest.startsWith(QLatin1Char('^'))) rest = rest.mid(1);
            power = rest.toLongLong(&ok);
        }
        if (!ok) {
            host().Message("'" + token.toStdString() + "' is no move: use U, L, F, R, B, D with ', 2 or ^k after it.");
            return false;
        }
        s = perm::Multiply(s, perm::Power(spec_.generators[static_cast<std::size_t>(face)], power));
    }
    setState(std::move(s));
    return true;
}

void RubikPanel::checkTypedState() {
    try {
        const perm::Perm p = perm::ParseCycles(txtState_->text().toStdString(), 48);
        if (p.size() > 48) throw InvalidArgument("The cube has 48 facelets: points 1-48.");
        if (!cube_->Contains(p)) {
            txtOutput_->setPlainText(QStringLiteral("%1 cannot be reached from the solved cube by moves.")
                                         .arg(QString::fromStdString(perm::CycleString(p))));
            return;
        }
        setState(p);
        txtOutput_->setPlainText(QStringLiteral("%1 is reachable; the net shows it. Solve finds a word that undoes it.")
                                     .arg(QString::fromStdString(perm::CycleString(p))));
    } catch (const InvalidArgument& e) {
        host().Message(e.what());
    }
}

void RubikPanel::solve() {
    using Solved = std::pair<std::shared_ptr<perm::StabilizerChain>, std::optional<perm::Word>>;
    runJob(
        QStringLiteral("Writing a solving word..."), {txtMoves_, txtState_},
        [cube = cube_, words = words_, state = state_](Progress& progress) {
            Solved out{words, std::nullopt};
            if (!out.first) out.first = cube->WordChain(progress);
            if (!out.first || progress.Stopped()) return out;
            if (const std::optional<perm::Word> w = out.first->WordOf(perm::Inverse(state)))
                out.second = perm::ReduceWord(*w, cube->GeneratorOrders());
            return out;
        },
        [this, state = state_](const Solved& out) {
            if (out.first) words_ = out.first;
            if (!out.second || state != state_) return;
            const perm::Word& reduced = *out.second;
            // Play the word move by move (the net ends solved).
            perm::Perm s = state_;
            for (int letter : reduced) {
                const perm::Perm& g = spec_.generators[static_cast<std::size_t>((letter < 0 ? -letter : letter) - 1)];
                s = perm::Multiply(s, letter < 0 ? perm::Inverse(g) : g);
            }
            setState(std::move(s));
            QString text = QString::fromStdString(cube_->FormatWord(reduced));
            text.replace(QStringLiteral("^-1"), QStringLiteral("'"));
            text.replace(QStringLiteral("^2"), QStringLiteral("2"));
            txtOutput_->setPlainText(
                QStringLiteral("Solved by %1 moves (not the shortest word):\n%2").arg(reduced.size()).arg(text));
        });
}

void RegisterRubikPanel(PanelRegistry& registry) {
    registry.add({QStringLiteral("dlgRubiksCube"), QStringLiteral("Rubik's Cube"), std::nullopt,
                  QStringLiteral("Special Groups/Rubik's Cube..."), QStringLiteral("mnuRubiksCube"), false,
                  [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new RubikPanel(c, parent); },
                  QString(), 26});
}

}  // namespace quorix::gui
