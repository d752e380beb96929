#include "qt/form1.h"

#include "control/clock.h"
#include "control/commands.h"
#include "control/game.h"
#include "qt/file_panel.h"
#include "qt/form2.h"
#include "qt/quit_signals.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// A message box without a title shows the program's name, as the main window does.
const char* const kProgramName = "Tessora";
QString box_title(const std::string& title) {
    return title.empty() ? QString(kProgramName) : q(title);
}

// The client area: shows the canvas and turns mouse presses into Form_MouseDown in twips.
class View : public QWidget {
  public:
    View(CanvasImage& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
        setFixedSize(CanvasImage::kWidth, CanvasImage::kHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, canvas_.image());
    }
    void mousePressEvent(QMouseEvent* e) override {
        const int button = e->button() == Qt::RightButton ? 2 : e->button() == Qt::LeftButton ? 1 : 4;
        int shift = 0;
        if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
        if (e->modifiers() & Qt::ControlModifier) shift |= 2;
        if (e->modifiers() & Qt::AltModifier) shift |= 4;
        Form_MouseDown(button, shift, e->position().x() * 15, e->position().y() * 15);
    }

  private:
    CanvasImage& canvas_;
};

struct CheckItem {
    MenuItem item;
    const char* name;
};
const CheckItem kCheckItems[] = {
    {MenuItem::LEVEL1, "LEVEL1"}, {MenuItem::LEVEL2, "LEVEL2"}, {MenuItem::LEVEL3, "LEVEL3"},
    {MenuItem::LEVEL4, "LEVEL4"}, {MenuItem::MIDORI, "MIDORI"}, {MenuItem::TATAMI, "TATAMI"},
    {MenuItem::TAKE, "TAKE"},     {MenuItem::UCHU, "UCHU"},     {MenuItem::RENGA, "RENGA"},
    {MenuItem::SIDOU, "SIDOU"},   {MenuItem::KEIKA, "KEIKA"},   {MenuItem::BGM, "BGM"},
};

void run(const char* name) {
    if (const Command* c = find_command(name)) c->handler();
}

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

} // namespace

Form1::Form1() {
    setWindowTitle(kProgramName);
    view_ = new View(canvas_, this);
    setCentralWidget(view_);
    build_menus();
    build_controls();
    timer1_ = new QTimer(this);
    timer1_->setInterval(50);
    // A wait belongs to the handler that waits: the clock ticks again when it has ended.
    connect(timer1_, &QTimer::timeout, this, [this] {
        if (!waiting_) Timer1_Timer();
    });
    setFocusPolicy(Qt::StrongFocus);
    new QuitSignals([this] { return between_handlers(); }, [] { OWARI_Click(); }, this);
}

Form1::~Form1() = default;

QAction* Form1::add_item(QMenu* menu, const QString& caption, const char* name, bool checkable) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(checkable);
    // The check mark is the game's to set: undo Qt's own toggle before the handler runs.
    connect(a, &QAction::triggered, this, [a, name, checkable](bool) {
        if (checkable) a->setChecked(!a->isChecked());
        run(name);
    });
    return a;
}

void Form1::build_menus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](const QString& caption, const char* name, const char* opened) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(name);
        if (opened) connect(m, &QMenu::aboutToShow, this, [opened] { run(opened); });
        return m;
    };

    QMenu* taikyoku = menu("対局", "TAIKYOKU", "TAIKYOKU");
    QMenu* match_man = taikyoku->addMenu("対局(人間)");
    match_man->setObjectName("MATCH_MAN");
    connect(match_man, &QMenu::aboutToShow, this, [] { run("MATCH_MAN"); });
    add_item(match_man, "スタート", "START");
    QMenu* start2 = taikyoku->addMenu("対局(COM)");
    start2->setObjectName("START2");
    add_item(start2, "先手", "SENTE");
    add_item(start2, "後手", "GOTE");
    QMenu* level = taikyoku->addMenu("COM対局ﾚﾍﾞﾙ");
    level->setObjectName("LEVEL");
    add_item(level, "LEVEL1", "LEVEL1", true);
    add_item(level, "LEVEL2", "LEVEL2", true);
    add_item(level, "LEVEL3", "LEVEL3", true);
    add_item(level, "LEVEL4", "LEVEL4", true);
    add_item(taikyoku, "終わり", "OWARI");

    QMenu* stop = menu("局面", "STOP", "STOP");
    add_item(stop, "最初", "CANCEL");
    add_item(stop, "反転", "REVERSE");

    auto top_item = [&](const QString& caption, const char* name) {
        QAction* a = bar->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [name] { run(name); });
    };
    top_item("戻", "REPLAY");
    top_item("進", "AFTER");
    top_item("△", "LBEL_UP");
    top_item("▽", "LEBEL_DOWN");

    QMenu* kifu = menu("棋譜", "KIFU", nullptr);
    add_item(kifu, "読込", "KIFU_READ");
    add_item(kifu, "書込", "KIFU_WRITE");

    QMenu* option = menu("ｵﾌﾟｼｮﾝ", "OPTION", "OPTION");
    QMenu* haikei = option->addMenu("背景画");
    haikei->setObjectName("HAIKEI_GA");
    add_item(haikei, "網", "MIDORI", true);
    add_item(haikei, "畳", "TATAMI", true);
    add_item(haikei, "竹", "TAKE", true);
    add_item(haikei, "宇宙", "UCHU", true);
    add_item(haikei, "煉瓦", "RENGA", true);
    add_item(option, "移動指導", "SIDOU", true);
    add_item(option, "経過時間", "KEIKA", true);
    add_item(option, "BGM", "BGM", true);

    QMenu* sonota = menu("その他", "SONOTA", nullptr);
    add_item(sonota, "解説", "KAISETU");
    add_item(sonota, "バージョン情報", "VER");

    for (const CheckItem& c : kCheckItems) checks_[c.item] = findChild<QAction*>(c.name);
}

void Form1::build_controls() {
    auto arrow_button = [&](const char* name, Pic pic, int left) {
        auto* b = new QPushButton(view_);
        b->setObjectName(name);
        b->setGeometry(left / 15, 120 / 15, 1095 / 15, 495 / 15);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [name] { run(name); });
        b->setProperty("pic", static_cast<int>(pic));
        return b;
    };
    arrow_button("KAITEN_L", Pic::ARROW_L, 3840);
    arrow_button("KAITEN_R", Pic::ARROW_R, 5040);
    panel_ = new FilePanel(view_);
}

void Form1::load_pictures() {
    const QStringList missing = canvas_.load_pictures();
    for (QPushButton* b : view_->findChildren<QPushButton*>()) {
        const QVariant pic = b->property("pic");
        if (!pic.isValid()) continue;
        const QImage& img = canvas_.picture(static_cast<Pic>(pic.toInt()));
        b->setIcon(QPixmap::fromImage(img));
        b->setIconSize(img.size());
    }
    if (!missing.isEmpty()) {
        // The names go into the details, so that the box fits the screen however many are missing.
        QMessageBox box(QMessageBox::Warning, kProgramName,
                        QString::fromUtf8("画像ファイルが %1 個見つかりません（表示されません）。\n場所: %2")
                            .arg(missing.size())
                            .arg(QDir::toNativeSeparators(CanvasImage::asset_dir() + "/pictures")),
                        QMessageBox::Ok, isVisible() ? this : nullptr);
        box.setDetailedText(missing.join("\n"));
        run_modal(box);
    }
}

// Canvas
void Form1::clear(int colour) {
    canvas_.clear(colour);
}
void Form1::stamp(Pic p, double x, double y) {
    canvas_.stamp(p, x, y);
    view_->update();
}
void Form1::outline(int c, double x1, double y1, double x2, double y2) {
    canvas_.outline(c, x1, y1, x2, y2);
    view_->update();
}
void Form1::set_font_bold(bool bold) {
    canvas_.set_font_bold(bold);
}
void Form1::print(double x, double y, const std::string& text, double points, int colour) {
    canvas_.print(x, y, text, points, colour);
    view_->update();
}
void Form1::refresh() {
    view_->repaint();
}

// Message boxes
int Form1::run_modal(QMessageBox& box) {
    const Modal modal(modal_);
    return box.exec();
}
void Form1::message(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, box_title(title), q(text), QMessageBox::Ok, this);
    run_modal(box);
}
bool Form1::ask(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, box_title(title), q(text), QMessageBox::Yes | QMessageBox::No, this);
    return run_modal(box) == QMessageBox::Yes;
}
void Form1::warning(const std::string& text, const std::string& title) {
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
    // Clicks, keys and menu commands wait in the queue until the handler has ended, and so do a close
    // request and a quit signal. Short waits in a loop keep the window alive while work runs on
    // another thread.
    const Modal modal(modal_);
    const bool outer = !waiting_;
    waiting_ = true;
    const QDeadlineTimer deadline(static_cast<qint64>(std::max(0.0, seconds) * 1000 + 0.5), Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(deadline.remainingTime()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    }
    if (outer) waiting_ = false;
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
    label->setPixmap(QPixmap::fromImage(canvas_.picture(Pic::TITLE_WINDOW)));
    label->adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen())
        label->move(s->geometry().center() - label->rect().center());
    label->show();
    label->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    title_ = label;
}

void Form1::place_window() {
    // A window with its top edge at -60 twips is a maximised one: it keeps its size and place.
    if (isMaximized() || isFullScreen() || frameGeometry().top() * 15 == -60) return;
    adjustSize();
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

void Form1::end_program() {
    ending_ = true;
    timer1_->stop();
    QApplication::exit(0);
}

bool Form1::version_dialog() {
    Form2 dialog(canvas_.picture(Pic::VERSION), this);
    const Modal modal(modal_);
    return dialog.exec() == Form2::HomePage;
}

bool Form1::open_browser(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(q(path)));
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

void Form1::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text();
    if (event->key() == Qt::Key_Escape) {
        Form_KeyPress(27);
    } else if (!t.isEmpty()) {
        Form_KeyPress(t.at(0).unicode());
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!ending_) Form_Unload();
    ending_ = true;
    timer1_->stop();
    event->accept();
}
