#include "qt/form1.h"

#include "control/clock.h"
#include "control/commands.h"
#include "control/engine_view.h"
#include "control/flow.h"
#include "control/game.h"
#include "control/level4.h"
#include "control/move_list.h"
#include "control/options.h"
#include "control/record_commands.h"
#include "control/review_commands.h"
#include "display/draw.h"
#include "kifu/review_file.h"
#include "platform/translate.h"
#include "qt/file_panel.h"
#include "qt/form2.h"
#include "qt/desktop.h"
#include "qt/eval_graph.h"
#include "qt/move_list_view.h"
#include "qt/quit_signals.h"
#include "qt/translation.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QListWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <tuple>
#include <utility>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// A message box without a title shows the program's name, as the main window does.
const char* const kProgramName = "Tessora";
QString box_title(const std::string& title) {
    return title.empty() ? QString(kProgramName) : q(title);
}

} // namespace

// The client area: shows the canvas at the largest scale that fits, centred on the background tiles,
// and turns mouse presses on the canvas into Form_MouseDown in twips.
class CanvasView : public QWidget {
  public:
    CanvasView(CanvasImage& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QSize sizeHint() const override { return wanted_; }
    void set_wanted(QSize size) { wanted_ = size; }
    const CanvasFit& fit() const { return fit_; }
    std::function<void()> on_fit;                           // the controls follow the canvas
    std::function<void(int, int, double, double)> on_press; // a press on the canvas, in twips

    // The canvas has changed where its device rectangle shows.
    void canvas_changed() { update(canvas_rect().toAlignedRect()); }
    // The background tile may have changed: the margin shows the canvas's.
    void background_changed() {
        if (margin_tile_ != canvas_.background()) {
            margin_.reset();
            update();
        }
    }

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        refit();
    }
    void paintEvent(QPaintEvent*) override {
        if (fit_.device != devicePixelRatioF()) refit(); // moved to a screen of another density
        QPainter p(this);
        const QImage& image = canvas_.image();
        if (image.size() != size() * fit_.device) {
            if (!margin_) margin_ = draw_margin();
            p.drawImage(QRectF(QPointF(0, 0), QSizeF(margin_->size()) / fit_.device), *margin_);
        }
        p.drawImage(canvas_rect(), image);
    }
    void mousePressEvent(QMouseEvent* e) override {
        const std::optional<QPointF> at = fit_.twips(canvas_, e->position());
        if (!at) return; // the margin is not the canvas
        const int button = e->button() == Qt::RightButton ? 2 : e->button() == Qt::LeftButton ? 1 : 4;
        int shift = 0;
        if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
        if (e->modifiers() & Qt::ControlModifier) shift |= 2;
        if (e->modifiers() & Qt::AltModifier) shift |= 4;
        if (on_press) on_press(button, shift, at->x(), at->y());
    }

  private:
    QRectF canvas_rect() const {
        return QRectF(QPointF(fit_.offset) / fit_.device, QSizeF(canvas_.image().size()) / fit_.device);
    }
    void refit() {
        fit_ = CanvasFit::into(size(), devicePixelRatioF());
        canvas_.set_scale(fit_.scale * fit_.device);
        margin_.reset();
        if (on_fit) on_fit();
        update();
    }
    // The background tiles continued past the canvas's edges, in the canvas's order and sizes.
    std::optional<QImage> draw_margin() {
        margin_tile_ = canvas_.background();
        const QSize area = size() * fit_.device;
        QImage margin(area, QImage::Format_RGB32);
        margin.fill(Qt::black);
        QPainter p(&margin);
        // The cells whose tiles reach into the area, from the twips at its edges.
        const double twips = 15.0 / canvas_.scale();
        auto cells = [&](int offset, int extent, double (*corner)(double)) {
            const double pitch = corner(1) - corner(0);
            return std::pair(static_cast<int>(std::floor((-offset * twips - corner(0)) / pitch)) - 1,
                             static_cast<int>(std::ceil(((extent - offset) * twips - corner(0)) / pitch)));
        };
        const auto [first_x, last_x] = cells(fit_.offset.x(), area.width(), cell_x);
        const auto [first_y, last_y] = cells(fit_.offset.y(), area.height(), cell_y);
        for (int x = first_x; x <= last_x; ++x)
            for (int y = first_y; y <= last_y; ++y) {
                const QRect r = canvas_.stamp_rect(margin_tile_, cell_x(x), cell_y(y));
                p.drawImage(r.topLeft() + fit_.offset, canvas_.picture(margin_tile_, r.size()));
            }
        return margin;
    }

    CanvasImage& canvas_;
    CanvasFit fit_;
    QSize wanted_{CanvasImage::kAreaWidth, CanvasImage::kHeight};
    std::optional<QImage> margin_;
    Pic margin_tile_ = Pic::None;
};

namespace {

struct CheckItem {
    MenuItem item;
    const char* name;
};
const CheckItem kCheckItems[] = {
    {MenuItem::LEVEL1, "LEVEL1"},
    {MenuItem::LEVEL2, "LEVEL2"},
    {MenuItem::LEVEL3, "LEVEL3"},
    {MenuItem::LEVEL4, "LEVEL4"},
    {MenuItem::MIDORI, "MIDORI"},
    {MenuItem::TATAMI, "TATAMI"},
    {MenuItem::TAKE, "TAKE"},
    {MenuItem::UCHU, "UCHU"},
    {MenuItem::RENGA, "RENGA"},
    {MenuItem::SIDOU, "SIDOU"},
    {MenuItem::KEIKA, "KEIKA"},
    {MenuItem::BGM, "BGM"},
    {MenuItem::SE, "SE"},
    {MenuItem::LASTMOVE, "LASTMOVE"},
    {MenuItem::COORDS, "COORDS"},
    {MenuItem::THINK1, "THINK1"},
    {MenuItem::THINK3, "THINK3"},
    {MenuItem::THINK10, "THINK10"},
    {MenuItem::STRENGTH1, "STRENGTH1"},
    {MenuItem::STRENGTH2, "STRENGTH2"},
    {MenuItem::STRENGTH3, "STRENGTH3"},
    {MenuItem::STRENGTH4, "STRENGTH4"},
    {MenuItem::STRENGTH5, "STRENGTH5"},
    {MenuItem::ANALYSE, "ANALYSE"},
    {MenuItem::EVALSHOW, "EVALSHOW"},
    {MenuItem::NOTICES, "NOTICES"},
    {MenuItem::ROTATE, "ROTATE"},
    {MenuItem::SENTE, "SENTE"},
    {MenuItem::GOTE, "GOTE"},
};

void run(const char* name) {
    if (const Command* c = find_command(name)) c->handler();
}

// The window's size as the player left it: the canvas area below the menu bar, and whether maximised.
// (The area's width has held the list of moves beside the canvas since its key was renamed.)
const char* const kCanvasSizeKey = "window/area_size";
const char* const kMaximizedKey = "window/maximized";
// "ja" or "en"; none at first, when the system's language chooses.
const char* const kLanguageKey = "options/language";
// Zoom from the keyboard and the menu goes in quarters.
constexpr double kZoomStep = 0.25;

// Counts a message box or a wait that runs inside a handler.
class Modal {
  public:
    explicit Modal(int& depth) : depth_(depth) { ++depth_; }
    ~Modal() { --depth_; }
    Modal(const Modal&) = delete;
    Modal& operator=(const Modal&) = delete;

  private:
    int& depth_;
};

// The canvas area at scale 1: below it the list's text and the status texts stop being readable.
const QSize kReadableArea(CanvasImage::kAreaWidth, CanvasImage::kHeight);

// The remembered size is kept in device pixels, so that a start under another scale factor (a desktop
// scaled by 2, say) does not leave the next start at half the size.
double primary_device_ratio() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->devicePixelRatio() : 1.0;
}

} // namespace

Form1::Form1() {
    setWindowTitle(kProgramName);
    // In play LEVEL4 thinks for the player's chosen time on every core, and a weaker step's choices
    // differ from one start of the program to the next.
    level4_thinking.by_time = true;
    level4_thinking.seed = std::random_device{}();
    view_ = new CanvasView(canvas_, this);
    view_->setMinimumSize(kReadableArea);
    const QSize left = preference(kCanvasSizeKey).toSize() / primary_device_ratio();
    if (left.isValid() && left.width() >= kReadableArea.width() && left.height() >= kReadableArea.height())
        view_->set_wanted(left);
    view_->on_fit = [this] { fit_controls(); };
    view_->on_press = [this](int button, int shift, double x, double y) {
        handle([=] { Form_MouseDown(button, shift, x, y); });
    };
    setCentralWidget(view_);
    Language language = system_language();
    language_of_code(preference(kLanguageKey).toString(), language);
    use_language(language);
    build_menus();
    build_controls();
    timer1_ = new QTimer(this);
    timer1_->setInterval(50);
    // A wait belongs to the handler that waits: the clock ticks again when it has ended.
    connect(timer1_, &QTimer::timeout, this, [this] {
        if (waiting_) return;
        // A flag that falls ends the game here: its result goes under the list at once.
        const std::string result = flow_result_text();
        Timer1_Timer();
        if (flow_result_text() != result) show_move_list();
    });
    setFocusPolicy(Qt::StrongFocus);
    new QuitSignals([this] { request_quit(true); }, this);
    qApp->installEventFilter(this);
}

Form1::~Form1() = default;

void Form1::set_caption(QAction* a, const char* source) {
    if (!source) return;
    a->setProperty("caption", QString::fromUtf8(source));
    a->setText(q(translate("Menu", source)));
}

QMenu* Form1::submenu(QMenu* parent, const char* caption) {
    QMenu* m = parent->addMenu(QString());
    set_caption(m->menuAction(), caption);
    return m;
}

void Form1::recaption() {
    for (QAction* a : findChildren<QAction*>()) {
        const QVariant source = a->property("caption");
        if (source.isValid()) a->setText(q(translate("Menu", source.toString().toUtf8().constData())));
    }
    progress_->setFormat(q(fill(translate("Review", "検討 %1/%2"), {"%v", "%m"})));
    stop_review_->setText(q(translate("Review", "中止")));
    panel_->recaption();
    moves_->recaption();
}

QAction* Form1::add_item(QMenu* menu, const char* caption, const char* name, bool checkable) {
    QAction* a = menu->addAction(QString());
    set_caption(a, caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    // The check mark is the game's to set: undo Qt's own toggle before the handler runs.
    connect(a, &QAction::triggered, this, [this, a, name, checkable](bool) {
        if (checkable) a->setChecked(!a->isChecked());
        handle([name] { run(name); });
    });
    return a;
}

void Form1::build_menus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](const char* caption, const char* name, const char* opened) {
        QMenu* m = bar->addMenu(QString());
        set_caption(m->menuAction(), caption);
        m->setObjectName(name);
        if (opened)
            connect(m, &QMenu::aboutToShow, this, [this, opened] { handle([opened] { run(opened); }); });
        return m;
    };

    QMenu* taikyoku = menu(QT_TRANSLATE_NOOP("Menu", "対局"), "TAIKYOKU", "TAIKYOKU");
    QMenu* match_man = submenu(taikyoku, QT_TRANSLATE_NOOP("Menu", "対局(人間)"));
    match_man->setObjectName("MATCH_MAN");
    connect(match_man, &QMenu::aboutToShow, this, [this] { handle([] { run("MATCH_MAN"); }); });
    add_item(match_man, QT_TRANSLATE_NOOP("Menu", "スタート"), "START");
    QMenu* start2 = submenu(taikyoku, QT_TRANSLATE_NOOP("Menu", "対局(COM)"));
    start2->setObjectName("START2");
    add_item(start2, QT_TRANSLATE_NOOP("Menu", "先手"), "SENTE", true);
    add_item(start2, QT_TRANSLATE_NOOP("Menu", "後手"), "GOTE", true);
    QMenu* level = submenu(taikyoku, QT_TRANSLATE_NOOP("Menu", "COM対局ﾚﾍﾞﾙ"));
    level->setObjectName("LEVEL");
    add_item(level, "LEVEL1", "LEVEL1", true);
    add_item(level, "LEVEL2", "LEVEL2", true);
    add_item(level, "LEVEL3", "LEVEL3", true);
    add_item(level, "LEVEL4", "LEVEL4", true);
    QMenu* think = submenu(level, QT_TRANSLATE_NOOP("Menu", "LEVEL4の考慮時間"));
    think->setObjectName("THINK");
    add_item(think, QT_TRANSLATE_NOOP("Menu", "1秒"), "THINK1", true);
    add_item(think, QT_TRANSLATE_NOOP("Menu", "3秒"), "THINK3", true);
    add_item(think, QT_TRANSLATE_NOOP("Menu", "10秒"), "THINK10", true);
    QMenu* strength = submenu(level, QT_TRANSLATE_NOOP("Menu", "LEVEL4の強さ"));
    strength->setObjectName("STRENGTH");
    add_item(strength, QT_TRANSLATE_NOOP("Menu", "強さ1（いちばん弱い）"), "STRENGTH1", true);
    add_item(strength, QT_TRANSLATE_NOOP("Menu", "強さ2"), "STRENGTH2", true);
    add_item(strength, QT_TRANSLATE_NOOP("Menu", "強さ3"), "STRENGTH3", true);
    add_item(strength, QT_TRANSLATE_NOOP("Menu", "強さ4"), "STRENGTH4", true);
    add_item(strength, QT_TRANSLATE_NOOP("Menu", "強さ5（全力）"), "STRENGTH5", true);
    add_item(taikyoku, QT_TRANSLATE_NOOP("Menu", "持ち時間..."), "TIMECONTROL");
    add_item(taikyoku, QT_TRANSLATE_NOOP("Menu", "投了"), "RESIGN");
    add_item(taikyoku, QT_TRANSLATE_NOOP("Menu", "待った"), "MATTA");
    add_item(taikyoku, QT_TRANSLATE_NOOP("Menu", "ヒント"), "HINT");
    add_item(taikyoku, QT_TRANSLATE_NOOP("Menu", "終わり"), "OWARI");

    QMenu* stop = menu(QT_TRANSLATE_NOOP("Menu", "局面"), "STOP", "STOP");
    add_item(stop, QT_TRANSLATE_NOOP("Menu", "最初"), "CANCEL");
    add_item(stop, QT_TRANSLATE_NOOP("Menu", "反転"), "REVERSE");
    add_item(stop, QT_TRANSLATE_NOOP("Menu", "最初の局面"), "HOME");
    add_item(stop, QT_TRANSLATE_NOOP("Menu", "最後の局面"), "END");
    stop->addSeparator();
    add_item(stop, QT_TRANSLATE_NOOP("Menu", "解析"), "ANALYSE", true);
    add_item(stop, QT_TRANSLATE_NOOP("Menu", "盤面を回転"), "ROTATE", true);

    auto top_item = [&](const char* caption, const char* name) {
        QAction* a = bar->addAction(QString());
        set_caption(a, caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, name] { handle([name] { run(name); }); });
    };
    top_item(QT_TRANSLATE_NOOP("Menu", "戻"), "REPLAY");
    top_item(QT_TRANSLATE_NOOP("Menu", "進"), "AFTER");
    top_item(QT_TRANSLATE_NOOP("Menu", "△"), "LBEL_UP");
    top_item(QT_TRANSLATE_NOOP("Menu", "▽"), "LEBEL_DOWN");

    QMenu* kifu = menu(QT_TRANSLATE_NOOP("Menu", "棋譜"), "KIFU", nullptr);
    add_item(kifu, QT_TRANSLATE_NOOP("Menu", "読込"), "KIFU_READ");
    add_item(kifu, QT_TRANSLATE_NOOP("Menu", "書込"), "KIFU_WRITE");
    add_item(kifu, QT_TRANSLATE_NOOP("Menu", "テキストで保存"), "KIFU_TEXT");
    add_item(kifu, QT_TRANSLATE_NOOP("Menu", "テキストをコピー"), "KIFU_COPY");
    kifu->addSeparator();
    add_item(kifu, QT_TRANSLATE_NOOP("Menu", "検討"), "KENTOU");
    add_item(kifu, QT_TRANSLATE_NOOP("Menu", "評価グラフを保存"), "GRAPH_SAVE");

    QMenu* option = menu(QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ"), "OPTION", "OPTION");
    QMenu* haikei = submenu(option, QT_TRANSLATE_NOOP("Menu", "背景画"));
    haikei->setObjectName("HAIKEI_GA");
    add_item(haikei, QT_TRANSLATE_NOOP("Menu", "網"), "MIDORI", true);
    add_item(haikei, QT_TRANSLATE_NOOP("Menu", "畳"), "TATAMI", true);
    add_item(haikei, QT_TRANSLATE_NOOP("Menu", "竹"), "TAKE", true);
    add_item(haikei, QT_TRANSLATE_NOOP("Menu", "宇宙"), "UCHU", true);
    add_item(haikei, QT_TRANSLATE_NOOP("Menu", "煉瓦"), "RENGA", true);
    add_item(option, QT_TRANSLATE_NOOP("Menu", "移動指導"), "SIDOU", true);
    add_item(option, QT_TRANSLATE_NOOP("Menu", "経過時間"), "KEIKA", true);
    add_item(option, "BGM", "BGM", true);
    add_item(option, QT_TRANSLATE_NOOP("Menu", "効果音"), "SE", true);
    add_item(option, QT_TRANSLATE_NOOP("Menu", "最終手を表示"), "LASTMOVE", true);
    add_item(option, QT_TRANSLATE_NOOP("Menu", "座標を表示"), "COORDS", true);
    add_item(option, QT_TRANSLATE_NOOP("Menu", "評価値を表示"), "EVALSHOW", true);
    add_item(option, QT_TRANSLATE_NOOP("Menu", "お知らせを盤の横に表示"), "NOTICES", true);
    build_zoom_menu(option);
    build_language_menu(option);

    QMenu* sonota = menu(QT_TRANSLATE_NOOP("Menu", "その他"), "SONOTA", nullptr);
    add_item(sonota, QT_TRANSLATE_NOOP("Menu", "解説"), "KAISETU");
    add_item(sonota, QT_TRANSLATE_NOOP("Menu", "バージョン情報"), "VER");

    for (const CheckItem& c : kCheckItems) checks_[c.item] = findChild<QAction*>(c.name);
    // The keys of the commands; a menu item shows its key beside it.
    for (const KeyCommand& k : command_keys())
        if (QAction* a = findChild<QAction*>(k.command)) a->setShortcut(QKeySequence(k.key));
}

void Form1::build_zoom_menu(QMenu* option) {
    QMenu* zoom = submenu(option, QT_TRANSLATE_NOOP("Menu", "表示倍率"));
    zoom->setObjectName("ZOOM");
    // One item is checked: the scale the canvas is at, or 画面に合わせる while maximised.
    auto* shown = new QActionGroup(zoom);
    auto scale_item = [&](const char* caption, double scale) {
        QAction* a = zoom->addAction(QString());
        set_caption(a, caption);
        a->setCheckable(true);
        a->setData(scale);
        shown->addAction(a);
        return a;
    };
    for (int percent : {100, 125, 150, 200}) {
        QAction* a = scale_item(nullptr, percent / 100.0);
        a->setText(QString("%1%").arg(percent));
        if (percent == 100) a->setShortcut(QKeySequence("Ctrl+0"));
        connect(a, &QAction::triggered, this, [this, percent] { zoom_to(percent / 100.0); });
    }
    connect(scale_item(QT_TRANSLATE_NOOP("Menu", "画面に合わせる"), 0), &QAction::triggered, this,
            [this] { showMaximized(); });
    connect(zoom, &QMenu::aboutToShow, this, [this, shown] {
        const double scale = view_->fit().scale;
        const bool maximised = isMaximized() || isFullScreen();
        for (QAction* a : shown->actions()) {
            const double at = a->data().toDouble();
            // A window sized for a step is within a pixel of it.
            a->setChecked(maximised ? at == 0 : at > 0 && std::abs(scale - at) < 0.01 * kZoomStep);
        }
    });
    zoom->addSeparator();
    // Ctrl+plus comes with Shift on most keyboards, and Ctrl+= is taken for it too.
    auto step = [this, zoom](const char* caption, const QList<QKeySequence>& keys, double direction) {
        QAction* a = zoom->addAction(QString());
        set_caption(a, caption);
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, [this, direction] {
            // A window sized for a step is within a pixel of it: that is the step it is at.
            const double quarters = view_->fit().scale / kZoomStep;
            const double next =
                direction > 0 ? std::floor(quarters + 0.01) + 1 : std::ceil(quarters - 0.01) - 1;
            zoom_to(std::max(CanvasImage::kMinScale, next * kZoomStep));
        });
        addAction(a); // the keys work with the menu closed
    };
    step(QT_TRANSLATE_NOOP("Menu", "拡大"),
         {QKeySequence::ZoomIn, QKeySequence("Ctrl+="), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)},
         1);
    step(QT_TRANSLATE_NOOP("Menu", "縮小"), {QKeySequence::ZoomOut}, -1);
}

void Form1::build_language_menu(QMenu* option) {
    // Named in both languages, so that a player who cannot read the one in use finds it.
    QMenu* menu = option->addMenu("Language / 言語");
    menu->setObjectName("LANGUAGE");
    auto* group = new QActionGroup(menu);
    for (const auto& [language, name, caption] : {std::tuple(Language::Japanese, "JAPANESE", "日本語"),
                                                  std::tuple(Language::English, "ENGLISH", "English")}) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(name);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, l = language] { handle([this, l] { choose_language(l); }); });
    }
    connect(menu, &QMenu::aboutToShow, this, [menu] {
        const bool english = language_in_use() == Language::English;
        menu->findChild<QAction*>("ENGLISH")->setChecked(english);
        menu->findChild<QAction*>("JAPANESE")->setChecked(!english);
    });
}

void Form1::choose_language(Language l) {
    if (!use_language(l)) {
        use_language(Language::Japanese);
        warning(fill(translate("Window", "翻訳ファイル %1 が見つかりません。"),
                     {translation_file(l).toStdString()}),
                std::string());
    }
    set_preference(kLanguageKey, QString::fromLatin1(language_code(language_in_use())));
    recaption();
    language_changed();
}

void Form1::zoom_to(double scale) {
    if (isMaximized() || isFullScreen()) showNormal();
    const QSize wanted(static_cast<int>(std::lround(CanvasImage::kAreaWidth * scale)),
                       static_cast<int>(std::lround(CanvasImage::kHeight * scale)));
    view_->set_wanted(wanted);
    // The frame keeps its place; the window grows by what the canvas area needs, but not past the
    // screen (the canvas then fits what there is).
    QSize window = size() + wanted - view_->size();
    if (const QScreen* s = screen())
        window =
            window.boundedTo(s->availableGeometry().size() - (frameGeometry().size() - geometry().size()));
    resize(window);
}

void Form1::fit_controls() {
    const CanvasFit& fit = view_->fit();
    for (QWidget* w : view_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant twips = w->property("twips");
        if (!twips.isValid()) continue;
        w->setGeometry(fit.logical(twips.toRect()));
        QVariant points = w->property("points");
        if (!points.isValid()) {
            points = w->font().pointSizeF();
            w->setProperty("points", points);
        }
        QFont font = w->font();
        font.setPointSizeF(points.toDouble() * fit.scale);
        w->setFont(font);
        // A list's bold entry (the current folder) has a font of its own.
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                if (!list->item(i)->font().bold()) continue;
                QFont bold = font;
                bold.setBold(true);
                list->item(i)->setFont(bold);
            }
        }
        const QVariant pic = w->property("pic");
        if (auto* button = qobject_cast<QPushButton*>(w); button && pic.isValid()) {
            const Pic p = static_cast<Pic>(pic.toInt());
            const PicInfo& info = pic_info(p);
            const QSize device(static_cast<int>(std::lround(info.width * fit.scale * fit.device)),
                               static_cast<int>(std::lround(info.height * fit.scale * fit.device)));
            QPixmap face = QPixmap::fromImage(canvas_.picture(p, device));
            face.setDevicePixelRatio(fit.device);
            button->setIcon(face);
            button->setIconSize(QSizeF(QSizeF(device) / fit.device).toSize());
        }
    }
}

void Form1::build_controls() {
    auto arrow_button = [&](const char* name, Pic pic, int left) {
        auto* b = new QPushButton(view_);
        b->setObjectName(name);
        place_in_twips(b, QRect(left, 120, 1095, 495));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, name] { handle([name] { run(name); }); });
        b->setProperty("pic", static_cast<int>(pic));
        return b;
    };
    arrow_button("KAITEN_L", Pic::ARROW_L, 3840);
    arrow_button("KAITEN_R", Pic::ARROW_R, 5040);
    panel_ = new FilePanel(view_);
    // The list of moves fills the side right of the canvas, from the conveyor buttons' top down.
    moves_ = new MoveListView(view_);
    moves_->on_chosen = [this](int n) { handle([n] { show_listed_move(n); }); };
    graph_ = new EvalGraph(view_);
    connect(graph_, &EvalGraph::move_clicked, this, [this](int n) { handle([n] { show_listed_move(n); }); });
    notice_ = new QLabel(view_);
    notice_->setObjectName("NOTICE");
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setFrameShape(QFrame::Box);
    notice_->setAutoFillBackground(true);
    notice_->setStyleSheet("QLabel { background: #fff8c8; color: black; font-weight: bold; }");
    notice_->hide();
    progress_ = new QProgressBar(view_);
    stop_review_ = new QPushButton(view_);
    stop_review_->setObjectName("REVIEW_STOP");
    stop_review_->setFocusPolicy(Qt::NoFocus);
    connect(stop_review_, &QPushButton::clicked, this, [this] { handle([] { cancel_review(); }); });
    // While a review runs, what it has found is shown as it comes, between the handlers.
    review_timer_ = new QTimer(this);
    review_timer_->setInterval(150);
    connect(review_timer_, &QTimer::timeout, this, [this] {
        if (between_handlers()) handle([] { review_tick(); });
    });
    engine_ = new QLabel(view_);
    engine_->setObjectName("ENGINE_VIEW");
    engine_->setWordWrap(true);
    engine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    engine_->setTextFormat(Qt::PlainText);
    engine_->setMargin(3);
    engine_->setStyleSheet(
        "QLabel { background-color: rgb(255, 255, 232); color: black; border: 1px solid gray; }");
    // The analysis follows the position shown and shows each iteration, between the handlers.
    analysis_timer_ = new QTimer(this);
    analysis_timer_->setInterval(150);
    connect(analysis_timer_, &QTimer::timeout, this, [this] {
        if (between_handlers()) handle([] { analysis_tick(); });
    });
    recaption();
    lay_out_side(false, false);
}

void Form1::lay_out_side(bool graph, bool progress) {
    // In twips right of the canvas: the list from the conveyor buttons' top down, the graph and the
    // progress under it while there is a review.
    const int left = CanvasImage::kWidth * 15 + 90, width = CanvasImage::kSideWidth * 15 - 180;
    const int bottom = CanvasImage::kHeight * 15 - 120;
    const int progress_top = bottom - 540;
    const int graph_top = 6420, graph_bottom = progress ? progress_top - 90 : bottom;
    // Under the list, bottom up: a notice, then what LEVEL4 thinks, a few lines for each of its views.
    const int list_bottom = graph ? graph_top - 120 : bottom, notice_height = 780;
    const bool notice = !notice_->text().isEmpty();
    const int notice_top = notice ? list_bottom - notice_height : list_bottom;
    place_in_twips(notice_, QRect(left, notice_top, width, notice_height));
    notice_->setVisible(notice);
    const int views = (engine_line_ ? 1 : 0) + (analysing_ ? 1 : 0);
    const int engine_bottom = notice ? notice_top - 90 : list_bottom;
    const int engine_top = engine_bottom - views * 1650;
    place_in_twips(engine_, QRect(left, engine_top, width, engine_bottom - engine_top));
    engine_->setVisible(views > 0);
    place_in_twips(moves_, QRect(left, 120, width, (views ? engine_top - 90 : engine_bottom) - 120));
    place_in_twips(graph_, QRect(left, graph_top, width, graph_bottom - graph_top));
    place_in_twips(progress_, QRect(left, progress_top, width - 960, 540));
    place_in_twips(stop_review_, QRect(left + width - 900, progress_top, 900, 540));
    graph_->setVisible(graph);
    progress_->setVisible(progress);
    stop_review_->setVisible(progress);
    fit_controls();
}

void Form1::load_pictures() {
    missing_pictures_ = canvas_.load_pictures();
    pictures_loaded_ = true;
    fit_controls();
    if (isVisible()) tell_missing_pictures();
}

void Form1::tell_missing_pictures() {
    if (missing_pictures_.isEmpty()) return;
    // The names go into the details, so that the box fits the screen however many are missing.
    QMessageBox box(
        QMessageBox::Warning, kProgramName,
        q(fill(translate("Window", "画像ファイルが %1 個見つかりません（表示されません）。\n場所: %2"),
               {std::to_string(missing_pictures_.size()),
                QDir::toNativeSeparators(CanvasImage::asset_dir() + "/pictures").toStdString()})),
        QMessageBox::Ok, isVisible() ? this : nullptr);
    box.setDetailedText(missing_pictures_.join("\n"));
    missing_pictures_.clear();
    run_modal(box);
}

// Canvas
void Form1::clear(int colour) {
    canvas_.clear(colour);
}
void Form1::stamp(Pic p, double x, double y) {
    canvas_.stamp(p, x, y);
    view_->background_changed();
    view_->canvas_changed();
}
void Form1::outline(int c, double x1, double y1, double x2, double y2) {
    canvas_.outline(c, x1, y1, x2, y2);
    view_->canvas_changed();
}
void Form1::tint(int c, double x1, double y1, double x2, double y2) {
    canvas_.tint(c, x1, y1, x2, y2);
    view_->canvas_changed();
}
void Form1::set_font_bold(bool bold) {
    canvas_.set_font_bold(bold);
}
void Form1::print(double x, double y, const std::string& text, double points, int colour) {
    canvas_.print(x, y, text, points, colour);
    view_->canvas_changed();
}
void Form1::refresh() {
    view_->repaint();
}

// Message boxes
int Form1::run_modal(QMessageBox& box) {
    if (unattended_) {
        std::fprintf(stderr, "tessora: %s: %s\n", qPrintable(box.windowTitle()),
                     qPrintable(box.text().replace('\n', ' ')));
        return QMessageBox::Cancel; // neither OK nor Yes was pressed
    }
    const Modal modal(modal_);
    // A box inside a wait (none is) would still take the player's answer.
    const bool dropping = std::exchange(dropping_, false);
    const int answer = box.exec();
    dropping_ = dropping;
    return answer;
}
void Form1::message(const std::string& text, const std::string& title) {
    if (quitting_) return; // the program is ending: nobody is there to read it
    QMessageBox box(QMessageBox::NoIcon, box_title(title), q(text), QMessageBox::Ok, this);
    run_modal(box);
}
bool Form1::ask(const std::string& text, const std::string& title) {
    if (quitting_) return false;
    QMessageBox box(QMessageBox::NoIcon, box_title(title), q(text), QMessageBox::Yes | QMessageBox::No, this);
    return run_modal(box) == QMessageBox::Yes;
}
void Form1::warning(const std::string& text, const std::string& title) {
    if (quitting_) return;
    // Before the window is on the screen a box of its own: the window is then placed as usual.
    QMessageBox box(QMessageBox::Warning, box_title(title), q(text), QMessageBox::Ok,
                    isVisible() ? this : nullptr);
    run_modal(box);
}

// Menus
bool Form1::checked(MenuItem item) {
    return checks_.at(item)->isChecked();
}
void Form1::set_checked(MenuItem item, bool on) {
    checks_.at(item)->setChecked(on);
}

// Timer1 and the clock
void Form1::set_timer(bool enabled) {
    if (enabled && !timer1_->isActive()) timer1_->start();
    if (!enabled) timer1_->stop();
}
bool Form1::timer_enabled() {
    return timer1_->isActive();
}
double Form1::now() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
void Form1::wait(double seconds) {
    // The handler goes on only when the time is up, but the windows are painted and exposed meanwhile.
    // Clicks, keys and menu commands that come meanwhile are dropped: the player answers what the
    // board shows once the handler has ended. A close request or a quit signal ends the wait at once.
    // Short waits in a loop keep the window alive while work runs on another thread.
    if (quitting_) return;
    const Modal modal(modal_);
    ++waits_;
    const bool outer = !waiting_;
    waiting_ = true;
    if (outer) set_busy(true);
    const bool dropping = std::exchange(dropping_, true);
    const QDeadlineTimer deadline(static_cast<qint64>(std::max(0.0, seconds) * 1000 + 0.5), Qt::PreciseTimer);
    constexpr qint64 kSliceMs = 20; // how soon a quit request is noticed
    do {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(std::min(deadline.remainingTime(), kSliceMs)), Qt::PreciseTimer,
                           &loop, &QEventLoop::quit);
        loop.exec();
    } while (!deadline.hasExpired() && !quitting_);
    dropping_ = dropping;
    if (!outer) return;
    waiting_ = false;
    // Back once the handler has ended, not between the short waits of a search.
    QTimer::singleShot(0, this, [this] {
        if (!waiting_) set_busy(false);
    });
}

void Form1::set_busy(bool busy) {
    // What cannot run while the computer thinks or a piece moves is greyed out meanwhile.
    for (const char* name : {"MATTA", "HINT", "KENTOU"})
        if (QAction* a = findChild<QAction*>(name)) a->setEnabled(!busy);
}

void Form1::handle(const std::function<void()>& handler) {
    if (quitting_) return;
    const int waits = waits_;
    handler();
    show_move_list();
    // The analysis follows at once what the handler showed.
    if (!quitting_) analysis_tick();
    if (waits_ == waits || quitting_) return;
    // What came in after the handler's last wait, while it finished the move, goes the same way.
    const bool dropping = std::exchange(dropping_, true);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    dropping_ = dropping;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (dropping_ || quitting_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::request_quit(bool by_signal) {
    if (quitting_ || ending_) return;
    quitting_ = true;
    quit_by_signal_ = by_signal;
    stop_search();
    // An open box is answered as if dismissed; its handler then runs to its end without showing more.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    finish_quit();
}

void Form1::finish_quit() {
    if (!between_handlers()) {
        QTimer::singleShot(5, this, &Form1::finish_quit);
        return;
    }
    quitting_ = false; // a game that cannot be kept is told when the player closed the window
    if (quit_by_signal_)
        end_on_signal();
    else
        OWARI_Click();
}

bool Form1::between_handlers() const {
    return modal_ == 0 && QThread::currentThread()->loopLevel() == 1;
}

// Windows
void Form1::show_title(bool visible) {
    if (!visible) {
        delete title_;
        title_ = nullptr;
        return;
    }
    auto* label = new QLabel(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    // At start-up the title is shown before the other pictures are loaded: they load while it shows.
    const QString title_file = CanvasImage::asset_dir() + "/pictures/" + pic_info(Pic::TITLE_WINDOW).file;
    label->setPixmap(pictures_loaded_ ? QPixmap::fromImage(canvas_.picture(Pic::TITLE_WINDOW))
                                      : QPixmap(title_file));
    label->adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen())
        label->move(s->geometry().center() - label->rect().center());
    label->show();
    label->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    title_ = label;
    if (!pictures_loaded_) load_pictures();
}

void Form1::place_window() {
    place_normal_window();
    show();
    tell_missing_pictures();
}

void Form1::place_normal_window() {
    // A window with its top edge at -60 twips is a maximised one: it keeps its size and place.
    if (isMaximized() || isFullScreen() || frameGeometry().top() * 15 == -60) return;
    // Its size hint, the canvas area the player left (scale 1 at first) under the menu bar; not
    // adjustSize(), which would cut a tall window to two thirds of the screen. A window that starts
    // maximised is given it too: leaving the maximised state comes back to it.
    // A size remembered on a larger screen is not taken whole: the canvas then fits what there is.
    QSize wanted = sizeHint();
    if (const QScreen* s = screen())
        wanted =
            wanted.boundedTo(s->availableGeometry().size() - (frameGeometry().size() - geometry().size()));
    fit_minimum_size();
    resize(wanted);
    if (preference(kMaximizedKey, false).toBool()) {
        if (const QScreen* s = screen()) move(s->availableGeometry().topLeft());
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // The frame's position is known only once the window manager has framed the window.
    if (isVisible()) {
        place_frame();
    } else {
        place_on_show_ = true;
    }
}

void Form1::place_frame() {
    // The frame, title bar included, at the top left of the screen's free area.
    const QScreen* s = screen();
    move(s ? s->availableGeometry().topLeft() : QPoint(0, 0));
    // Now that the frame is known, the whole window fits the free area.
    fit_minimum_size();
    if (s) {
        const QSize over = frameGeometry().size() - s->availableGeometry().size();
        if (over.width() > 0 || over.height() > 0) resize(size() - over.expandedTo(QSize(0, 0)));
    }
}

void Form1::fit_minimum_size() {
    // Scale 1 at least, unless the screen's free area holds less (a small screen still shows it all).
    QSize minimum = kReadableArea;
    if (const QScreen* s = screen()) {
        const QSize around = frameGeometry().size() - geometry().size() + size() - view_->size();
        minimum = minimum.boundedTo(s->availableGeometry().size() - around);
    }
    view_->setMinimumSize(minimum.expandedTo(kReadableArea * CanvasImage::kMinScale));
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Without a window manager no frame ever comes: place the window all the same.
    if (place_on_show_) QTimer::singleShot(1000, this, [this] { place_once(); });
}

void Form1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible() && frameGeometry() != geometry()) place_once(); // the window has its frame now
}

void Form1::place_once() {
    if (!place_on_show_) return;
    place_on_show_ = false;
    place_frame();
}

void Form1::remember_size() {
    set_preference(kMaximizedKey, isMaximized());
    if (!isMaximized() && !isFullScreen())
        set_preference(kCanvasSizeKey, (QSizeF(view_->size()) * view_->devicePixelRatioF()).toSize());
}

void Form1::end_program() {
    remember_size();
    ending_ = true;
    timer1_->stop();
    QApplication::exit(0);
}

// Preferences
bool Form1::flag(const std::string& key, bool fallback) {
    return preference(q(key), fallback).toBool();
}
void Form1::set_flag(const std::string& key, bool on) {
    set_preference(q(key), on);
}

int Form1::number(const std::string& key, int fallback) {
    return preference(q(key), fallback).toInt();
}
void Form1::set_number(const std::string& key, int value) {
    set_preference(q(key), value);
}

bool Form1::choose_time_control(int& main, int& byoyomi, int& increment) {
    if (quitting_) return false;
    QDialog dialog(this);
    dialog.setWindowTitle(q(translate("TimeControl", "持ち時間")));
    auto* form = new QFormLayout(&dialog);
    auto* none = new QRadioButton(q(translate("TimeControl", "なし（経過時間を数える）")));
    auto* with_byoyomi = new QRadioButton(q(translate("TimeControl", "持ち時間と秒読み")));
    auto* with_increment = new QRadioButton(q(translate("TimeControl", "持ち時間と1手ごとの加算")));
    auto* minutes = new QSpinBox;
    minutes->setRange(0, 600);
    minutes->setValue(main > 0 ? std::max(1, main / 60) : 10);
    auto* seconds = new QSpinBox;
    seconds->setRange(1, 600);
    seconds->setValue(byoyomi > 0 ? byoyomi : increment > 0 ? increment : 30);
    (byoyomi > 0 ? with_byoyomi : increment > 0 ? with_increment : none)->setChecked(true);
    form->addRow(none);
    form->addRow(with_byoyomi);
    form->addRow(with_increment);
    form->addRow(q(translate("TimeControl", "持ち時間（分）")), minutes);
    form->addRow(q(translate("TimeControl", "秒読み・加算（秒）")), seconds);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto enable = [=] {
        minutes->setEnabled(!none->isChecked());
        seconds->setEnabled(!none->isChecked());
    };
    for (QRadioButton* b : {none, with_byoyomi, with_increment})
        connect(b, &QRadioButton::toggled, &dialog, enable);
    enable();
    const Modal modal(modal_);
    if (dialog.exec() != QDialog::Accepted) return false;
    main = none->isChecked() ? 0 : minutes->value() * 60;
    byoyomi = with_byoyomi->isChecked() ? seconds->value() : 0;
    increment = with_increment->isChecked() ? seconds->value() : 0;
    return true;
}

bool Form1::version_dialog() {
    if (quitting_) return false;
    Form2 dialog(canvas_.picture(Pic::VERSION), this);
    const Modal modal(modal_);
    return dialog.exec() == Form2::HomePage;
}

void Form1::put_text(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool Form1::open_browser(const std::string& path) {
    const Modal modal(modal_);
    return open_in_browser(q(path));
}

// The record-file panel
void Form1::show_lists(bool d, bool f, bool l) {
    panel_->show_lists(d, f, l);
}
void Form1::show_io(bool visible) {
    panel_->show_io(visible);
}
std::string Form1::text(TextBox box) {
    return panel_->text(box).toStdString();
}
void Form1::set_text(TextBox box, const std::string& t) {
    panel_->set_text(box, q(t));
}
std::string Form1::folder() {
    return panel_->folder().toStdString();
}
void Form1::set_folder(const std::string& path) {
    panel_->set_folder(q(path));
}
void Form1::refresh_files() {
    panel_->refresh_files();
}

void Form1::show_result(const std::string& text) {
    moves_->show_result(text);
}

void Form1::show_moves(const std::vector<std::string>& rows, int current) {
    moves_->show_moves(rows, current);
    graph_->set_current(current);
}

void Form1::show_notice(const std::string& text) {
    // The texts are the message boxes' own, which may start with spaces.
    const QString shown = q(text).trimmed();
    if (shown == notice_->text()) return;
    const bool relay = shown.isEmpty() != notice_->text().isEmpty();
    notice_->setText(shown);
    if (relay) lay_out_side(!graph_->isHidden(), !progress_->isHidden());
}

void Form1::show_review(const std::vector<ReviewRow>& rows, const ReviewProgress& progress) {
    moves_->show_review(rows);
    graph_->set_moves(graph_moves(rows));
    const bool any = std::any_of(rows.begin(), rows.end(), [](const ReviewRow& r) { return r.ready; });
    const bool graph = any || progress.running;
    if (graph != graph_->isVisible() || progress.running != progress_->isVisible())
        lay_out_side(graph, progress.running);
    progress_->setRange(0, std::max(1, progress.all));
    progress_->setValue(progress.done);
    if (progress.running && !review_timer_->isActive()) review_timer_->start();
    if (!progress.running) review_timer_->stop();
}

namespace {

// A view of LEVEL4's under its heading: the evaluation from the lower side's view with its winning
// chance, and the line, a move never broken over two lines.
QString engine_view_text(const QString& heading, const EngineLine& e) {
    std::string eval;
    if (e.mate)
        eval = e.eval > 0 ? translate("EngineView", "評価値：下側の勝ち（詰み）")
                          : translate("EngineView", "評価値：上側の勝ち（詰み）");
    else
        eval = fill(translate("EngineView", "評価値：%1（下側の勝率 %2%）"),
                    {eval_text(e.eval), std::to_string(e.chance)});
    QString line;
    for (const std::string& m : e.moves) {
        // Word joiners between its characters keep a move on one line.
        const QString move = QString::fromStdString(m).replace(' ', QChar(0x00a0));
        QString joined;
        for (const QChar c : move) joined += (joined.isEmpty() ? QString() : QString(QChar(0x2060))) + c;
        line += (line.isEmpty() ? "" : " ") + joined;
    }
    return heading + "\n" + QString::fromStdString(eval) + "\n" +
           QString::fromStdString(fill(translate("EngineView", "読み筋：%1"), {line.toStdString()}));
}

} // namespace

void Form1::show_engine_texts() {
    QStringList texts;
    if (analysing_) {
        if (analysis_line_)
            texts << engine_view_text(
                QString::fromStdString(fill(translate("EngineView", "解析中（深さ %1）"),
                                            {std::to_string(analysis_line_->depth)})),
                *analysis_line_);
        else
            texts << QString::fromStdString(translate("EngineView", "解析中です"));
    }
    if (engine_line_)
        texts << engine_view_text(
            QString::fromStdString(fill(translate("EngineView", "LEVEL4の読み（深さ %1）"),
                                        {std::to_string(engine_line_->depth)})),
            *engine_line_);
    engine_->setText(texts.join("\n\n"));
}

void Form1::show_engine(const std::optional<EngineLine>& line) {
    const bool laid = engine_line_.has_value() != line.has_value();
    engine_line_ = line;
    if (laid) lay_out_side(!graph_->isHidden(), !progress_->isHidden());
    show_engine_texts();
}

void Form1::show_analysis(bool running, const std::optional<EngineLine>& line) {
    const bool laid = analysing_ != running;
    analysing_ = running;
    analysis_line_ = line;
    if (laid) lay_out_side(!graph_->isHidden(), !progress_->isHidden());
    show_engine_texts();
    if (running && !analysis_timer_->isActive()) analysis_timer_->start();
    if (!running) analysis_timer_->stop();
}

std::string Form1::choose_picture_file(const std::string& suggested) {
    if (quitting_ || unattended_) return {};
    const Modal modal(modal_);
    const bool dropping = std::exchange(dropping_, false);
    const QString path =
        QFileDialog::getSaveFileName(this, q(translate("Review", "評価グラフを保存")), q(suggested),
                                     q(translate("Review", "PNG 画像 (*.png)")));
    dropping_ = dropping;
    return path.toStdString();
}

bool Form1::save_graph(const std::string& path) {
    return save_eval_graph(q(path), kGraphPicture, graph_->moves(), graph_->current());
}

void Form1::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text();
    if (event->key() == Qt::Key_Escape) {
        Form_KeyPress(27);
    } else if (!t.isEmpty()) {
        Form_KeyPress(t.at(0).unicode());
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!ending_ && !between_handlers()) {
        // The handler that runs (the computer thinking, a wait, a box) is cut short first.
        event->ignore();
        request_quit(false);
        return;
    }
    if (quitting_) {
        event->ignore(); // already ending as soon as the handler has unwound
        return;
    }
    if (!ending_) remember_size();
    if (!ending_) Form_Unload();
    ending_ = true;
    timer1_->stop();
    event->accept();
}
