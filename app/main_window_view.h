#pragma once

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <vector>

class QAction;
class QGridLayout;
class QGroupBox;
class QKeyEvent;
class QLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

namespace cinemoto {

class MainWindowModel;
struct Control;
class PictureView;

// The main window on screen: real widgets for the model's controls. It copies the
// model's state onto the widgets after every event and forwards the pupil's actions.
class MainWindowView : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindowView(MainWindowModel &model, QWidget *parent = nullptr);
    ~MainWindowView() override;

    // Copies every control's state onto its widget.
    Q_INVOKABLE void sync();
    // How much larger than at its smallest the text of a maximised window is drawn.
    double textScale() const { return m_textScale; }
    // One animation step, as the 100 ms timer does it.
    void tick();
    PictureView *pictureView() const { return m_picture; }
    QWidget *widgetFor(const Control &control) const;
    QAction *actionFor(const Control &control) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static constexpr int kStylePixmapCacheKb = 2048;
    void buildMenus();
    QWidget *buildToolRow();
    QWidget *buildFrames();
    QWidget *buildExerciseArea();
    QGridLayout *buildDataBand();
    void makeDataBoxes();
    static void keepNoRoomWhenHidden(QWidget *widget);
    QLayout *buildPictureRow();
    QLayout *buildQuestionRow();
    QLayout *buildAnswerRow();
    QToolButton *toolButton(Control &control, const QString &icon);
    QRadioButton *option(Control &control, QGroupBox *frame);
    QAction *menuAction(QMenu *menu, Control &control, const QKeySequence &shortcut,
                        const std::function<void()> &handler);
    QAction *menuAction(QMenu *menu, Control &control, bool checkable, const std::function<void()> &handler);
    void bind(QWidget *widget, Control &control);
    void handle(const std::function<void()> &handler);
    void applyControl(const Control &control, QWidget *widget);
    // The control as this window shows it: data boxes without blank lines, and empty
    // boxes and the titles over them away.
    Control shownControl(const Control &control) const;
    bool isIdle() const;
    void syncStateNotes();
    void fitDataBoxes();
    void fitMinimumSizes();
    void fitTitleRow();
    void fitTextToWindow(bool remeasure);
    // Keyboard: one Tab stop per option frame, arrows move the selection, and the
    // window's own shortcuts win over the answer box's editing keys.
    void syncOptionTabStops();
    bool moveOptionSelection(QRadioButton *from, int step);
    bool isWindowShortcut(const QKeyEvent *key) const;
    void setInitialFocus();
    void copyPicture();
    void showHelp();
    void showAbout();
    void showExamsTaken();
    void showExamResult();
    void showQuiz();
    template <typename Model, typename View>
    void openWindow(Model *model);

    MainWindowModel &m_model;
    PictureView *m_picture = nullptr;
    QTimer *m_timer = nullptr;
    QHash<const Control *, QWidget *> m_widgets;
    QHash<const Control *, QAction *> m_actions;
    QHash<const Control *, QMenu *> m_menus;
    int m_flagShown = 0;
    QMenu *m_printChoices = nullptr;
    std::vector<QGroupBox *> m_frames;
    std::vector<QLabel *> m_randomNotes; // one per frame, shown when it offers no option
    QLabel *m_idleHint = nullptr;
    QLabel *m_copied = nullptr;
    QTimer *m_copiedTimer = nullptr;
    QWidget *m_frameColumn = nullptr;
    std::vector<QLabel *> m_dataTitles;
    std::vector<QWidget *> m_dataSlots; // where the boxes go
    std::vector<QPlainTextEdit *> m_dataBoxes; // made when an exercise first shows its data
    int m_dataBoxHeight = 0;
    QGridLayout *m_dataGrid = nullptr;
    QPushButton *m_testButton = nullptr;
    QPushButton *m_newButton = nullptr;
    QLineEdit *m_answer = nullptr;
    QFont m_baseFont;
    double m_textScale = 1.0;
    QSize m_compact;
    int m_sizedLanguage = 0;
};

} // namespace cinemoto
