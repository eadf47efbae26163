// The real window on the Qt adapter, driven the way a user drives it.

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "app/pixtallo/window_handlers.hpp"
#include "engine/presets.hpp"
#include "engine/quotation.hpp"
#include "launch/posix/posix_process_services.hpp"
#include "ui/layout/main_window_layout.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/main_window/tab_ring.hpp"
#include "ui/qt/hypertext_view.hpp"
#include "ui/qt/qt_looks.hpp"
#include "ui/qt/qt_toolkit.hpp"

namespace pixtallo::ui::qt {
namespace {

// Stand-ins for the desktop's programs: they note how they were started.
void write_stub(const QString& path, const QByteArray& script) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const std::pair<engine::Field, const char*> worked_example[] = {
    {engine::Field::Width, "5.2"},      {engine::Field::Height, "2.1"},
    {engine::Field::Card, "1500"},      {engine::Field::PsuPrice, "75"},
    {engine::Field::ModulePrice, "95"}, {engine::Field::FramePrice, "30"},
    {engine::Field::Other, "500"},      {engine::Field::Price, "2800"},
};

}  // namespace

class QtWindowTest : public QObject {
    Q_OBJECT

  private:
    QWidget* widget(std::string_view name) { return toolkit_->widget(control_id(name)); }
    QLineEdit* edit(engine::Field field) {
        return qobject_cast<QLineEdit*>(widget(engine::field_name(field)));
    }
    void type_worked_example() {
        for (const auto& [field, text] : worked_example) {
            QLineEdit* box = edit(field);
            QTest::mouseClick(box, Qt::LeftButton);
            box->selectAll();
            QTest::keyClicks(box, QString::fromUtf8(text));
        }
    }

    std::unique_ptr<QtToolkit> toolkit_;
    std::unique_ptr<Toolkit> services_;
    QTemporaryDir stubs_;
    std::ostringstream errors_;
    std::unique_ptr<launch::posix::PosixProcessServices> processes_;
    QString stub(const char* name) const { return stubs_.filePath(QString::fromLatin1(name)); }
    std::unique_ptr<app::WindowHandlers> handlers_;
    std::unique_ptr<MainWindow> window_;

  private slots:
    void initTestCase() {
        apply_application_look();
        toolkit_ = std::make_unique<QtToolkit>();
        services_ = std::make_unique<Toolkit>(*toolkit_);
        // The opener and the calculator are stubs found on the services' own search path.
        write_stub(stub("xdg-open"), "#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"$0.log\"\n");
        write_stub(stub("gnome-calculator"), "#!/bin/sh\necho started >> \"$0.log\"\n");
        processes_ = std::make_unique<launch::posix::PosixProcessServices>(
            stubs_.path().toStdString(), errors_);
        handlers_ = std::make_unique<app::WindowHandlers>(*services_, *processes_);
        window_ = std::make_unique<MainWindow>(*services_, *handlers_);
        window_->open();
        QVERIFY(QTest::qWaitForWindowExposed(toolkit_->window()));
    }

    void window_has_its_title_icon_and_client_size() {
        QWidget* window = toolkit_->window();
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillorn Pixtallo V2010.05.29"));
        QCOMPARE(window->size(), QSize(910, 469));
        QCOMPARE(window->minimumSize(), window->maximumSize());  // cannot be resized
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->windowFlags().testFlag(Qt::Tool));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(QApplication::focusWidget(), widget("按钮1"));
    }

    void every_control_matches_the_layout_data() {
        QTest::addColumn<int>("id");
        for (const ControlLayout& layout : controls()) {
            QTest::newRow(std::string(layout.name).c_str()) << layout.id;
        }
    }
    void every_control_matches_the_layout() {
        QFETCH(int, id);
        const ControlLayout& layout = control(id);
        QWidget* w = toolkit_->widget(id);
        QCOMPARE(w->objectName(), from_utf8(layout.name));
        QCOMPARE(w->accessibleName(), from_utf8(layout.name));
        if (layout.name == "简单超文本框1") {
            // Built and moving by now: its width from the links, 20 above the bottom.
            QCOMPARE(w->size(), QSize(792, 16));
            QCOMPARE(w->y(), 469 - 20);
        } else {
            QCOMPARE(w->geometry(), QRect(layout.rect.left, layout.rect.top, layout.rect.width,
                                          layout.rect.height));
        }
        QWidget* parent =
            layout.parent == window_id ? toolkit_->window() : toolkit_->widget(layout.parent);
        QCOMPARE(w->parentWidget(), parent);
        QCOMPARE(w->isVisible(), layout.visible());
        const FontStyle font = layout.font.value_or(FontStyle{12, false});
        QCOMPARE(w->font().pixelSize(), font.pixel_size);
        QCOMPARE(w->font().bold(), font.bold);
        QVERIFY(w->font().families().contains(QStringLiteral("AR PL UMing CN")));
        const QColor colour = text_colour(layout.text_colour);
        switch (layout.kind) {
            case Kind::Label:
                QCOMPARE(qobject_cast<QLabel*>(w)->text(), from_utf8(layout.text));
                QCOMPARE(qobject_cast<QLabel*>(w)->textFormat(), Qt::PlainText);
                QCOMPARE(w->palette().color(QPalette::WindowText), colour);
                break;
            case Kind::EditBox: {
                auto* box = qobject_cast<QLineEdit*>(w);
                QVERIFY(box->hasFrame());
                QVERIFY(!box->isReadOnly());
                QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask,
                         layout.centred ? Qt::AlignHCenter : Qt::AlignLeft);
                QCOMPARE(w->palette().color(QPalette::Text), colour);
                QCOMPARE(w->palette().color(QPalette::Base), QColor(Qt::white));
                break;
            }
            case Kind::Button:
                QCOMPARE(qobject_cast<QPushButton*>(w)->text(),
                         from_utf8(layout.text).remove(u'\r'));
                break;
            case Kind::GroupBox:
                QCOMPARE(qobject_cast<QGroupBox*>(w)->title(), from_utf8(layout.text));
                QCOMPARE(w->palette().color(QPalette::WindowText), colour);
                break;
            default:
                break;
        }
    }

    void children_of_group_boxes_sit_relative_to_them() {
        // 长 shows at 215, 122 of the client area: 6 + 209, 100 + 22.
        QCOMPARE(widget("长")->mapTo(toolkit_->window(), QPoint(0, 0)), QPoint(215, 122));
    }

    void typing_the_worked_example_and_clicking_the_first_preset_shows_its_results() {
        type_worked_example();
        QTest::mouseClick(widget("按钮1"), Qt::LeftButton);
        const QStringList expected = {"16",  "13",   "5.2",  "2.16",  "11.232", "26",
                                      "208", "5.12", "2.08", "24142", "31449.6"};
        QStringList shown;
        for (engine::Field field : engine::result_fields) {
            shown << edit(field)->text();
        }
        QCOMPARE(shown, expected);
    }

    void every_preset_button_runs_its_own_preset_data() {
        QTest::addColumn<QString>("button");
        for (const engine::PresetEntry& entry : engine::preset_table()) {
            QTest::newRow(std::string(entry.button).c_str()) << from_utf8(entry.button);
        }
    }
    void every_preset_button_runs_its_own_preset() {
        QFETCH(QString, button);
        const engine::PresetEntry* entry = engine::preset_by_button(to_utf8(button));
        engine::FieldTexts expected;
        for (const auto& [field, text] : worked_example) {
            expected.write(field, text);
        }
        engine::QuotationProcedure(entry->preset).run(expected);
        type_worked_example();
        QTest::mouseClick(widget(entry->button), Qt::LeftButton);
        for (engine::Field field : engine::result_fields) {
            QCOMPARE(to_utf8(edit(field)->text()), expected.text(field));
        }
    }

    void enter_on_a_preset_button_does_not_quote() {
        edit(engine::Field::ModulesAcross)->clear();
        widget("按钮2")->setFocus();
        QTest::keyClick(widget("按钮2"), Qt::Key_Return);
        QTest::keyClick(widget("按钮2"), Qt::Key_F1);
        QCOMPARE(edit(engine::Field::ModulesAcross)->text(), QString());
        QTest::keyClick(widget("按钮2"), Qt::Key_Space);  // the keyboard's own activation
        QCOMPARE(edit(engine::Field::ModulesAcross)->text(), QStringLiteral("16"));
    }

    void tab_moves_the_focus_around_the_ring() {
        widget("按钮1")->setFocus();
        for (std::size_t i = 1; i <= tab_ring().size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(),
                     toolkit_->widget(tab_ring()[i % tab_ring().size()]));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), widget("简单超文本框2"));
    }

    void banner_scrolls_on_its_own() {
        QWidget* strip = widget("简单超文本框1");
        const int start = strip->x();
        QTRY_VERIFY_WITH_TIMEOUT(strip->x() <= start - 10, 2000);  // at least two ticks
    }

    // The strip held still at the left edge, so its links can be aimed at.
    void links_show_their_hover_style_and_open_on_press() {
        services_->set_timer_interval(control_id("时钟2"), 0);
        services_->set_timer_interval(control_id("时钟1"), 0);
        services_->set_left(control_id("简单超文本框1"), 0);
        auto* strip = dynamic_cast<HypertextView*>(widget("简单超文本框1"));
        QVERIFY(strip != nullptr);
        QCOMPARE(strip->width(), 792);
        const QRect qq = strip->link_rect(4);  // link 5, "QQ客服在线  "
        QVERIFY(!qq.isEmpty());
        const QRect column(qq.left(), 0, qq.width(), strip->height());  // the underline included
        const QImage before = strip->grab(column).toImage();
        QTest::mouseMove(strip, qq.center());
        QCOMPARE(strip->hovered_link(), std::optional<std::size_t>(4));
        QCOMPARE(strip->cursor().shape(), Qt::PointingHandCursor);
        const QImage after = strip->grab(column).toImage();
        QVERIFY(before != after);  // underlined now
        QTest::mousePress(strip, Qt::LeftButton, {}, qq.center());
        QTRY_COMPARE(read_file(stub("xdg-open.log")),
                     QStringLiteral("tencent://message/?uin=800012345&Site=pixtallo&Menu=yes\n"));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, qq.center());
        QTest::qWait(100);
        QCOMPARE(read_file(stub("xdg-open.log")).count(u'\n'),
                 1);  // the press opens, not the release
        QTest::mouseMove(strip, QPoint(1, 1));
        QCOMPARE(strip->cursor().shape(), Qt::ArrowCursor);
    }

    void calculator_button_starts_the_calculator() {
        QTest::mouseClick(widget("按钮10"), Qt::LeftButton);
        QTRY_COMPARE(read_file(stub("gnome-calculator.log")), QStringLiteral("started\n"));
        QTest::mouseClick(widget("按钮10"), Qt::LeftButton);
        QTRY_COMPARE(read_file(stub("gnome-calculator.log")), QStringLiteral("started\nstarted\n"));
    }

    void banner_press_opens_the_web_page_and_does_not_drag() {
        QFile::remove(stub("xdg-open.log"));
        QWidget* banner = widget("图片框1");
        const QPoint before = toolkit_->window()->pos();
        QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(100, 30));
        QTest::mouseMove(banner, QPoint(180, 60));
        QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(180, 60));
        QCOMPARE(toolkit_->window()->pos(), before);
        QTRY_COMPARE(read_file(stub("xdg-open.log")), QStringLiteral("https://www.baidu.com/\n"));
        QCOMPARE(QString::fromStdString(errors_.str()), QString());
    }

    void screenshot_for_a_person_to_look_at() {
        QVERIFY(toolkit_->window()->grab().save(QStringLiteral(PIXTALLO_SCREENSHOT)));
    }

    // Last: it closes the window.
    void escape_closes_the_window() {
        QTest::keyClick(edit(engine::Field::Width), Qt::Key_Escape);
        QVERIFY(!toolkit_->window()->isVisible());
    }
};

}  // namespace pixtallo::ui::qt

QTEST_MAIN(pixtallo::ui::qt::QtWindowTest)
#include "qt_window_test.moc"
