#pragma once

#include <QHash>
#include <QIcon>
#include <QToolBar>

class QAction;
class QMenu;

// A toolbar whose buttons are found by their text key, as the program's commands
// address them. A button's Value is its pressed state (1 pressed, 0 released); its
// Tag is the explanation that the tooltips switch shows or hides.
class ToolBar final : public QToolBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolBar)

public:
    explicit ToolBar(const QString &name, QWidget *parent = nullptr);

    enum class Style { Button, Check, DropDown };
    // A button of its own, for a command that has no menu item.
    QAction *addButton(const QString &key, const QString &tag, Style style = Style::Button);
    // A button that shows a window command: the button and the command's menu item are one
    // action, so they run one routine and share their enabled and checked states.
    QAction *addCommand(const QString &key, QAction *command, const QString &tag, Style style = Style::Button);
    // A placeholder button whose place holds a widget (the FontMap size slider).
    QAction *addWidgetButton(const QString &key, const QString &tag, QWidget *widget);

    QAction *button(const QString &key) const;
    QStringList keys() const;

    int value(const QString &key) const;
    void setValue(const QString &key, int value);
    bool isButtonEnabled(const QString &key) const;
    void setButtonEnabled(const QString &key, bool enabled);
    QString tag(const QString &key) const;
    // The button's own tooltip (empty: none), apart from its command's: a menu item and its
    // button share one action but not their explanations.
    QString buttonToolTip(const QString &key) const;
    void setButtonToolTip(const QString &key, const QString &text);

    // The drop-down menu of a DropDown button.
    QMenu *buttonMenu(const QString &key) const;

    // The image list this toolbar draws its pictures from, and one button's image key.
    void setImageList(const QString &imageList) { m_imageList = imageList; }
    const QString &imageList() const { return m_imageList; }
    void setButtonImage(const QString &key, const QString &imageKey);
    QString buttonImage(const QString &key) const;

Q_SIGNALS:
    void buttonClick(const QString &key);
    void buttonDropDown(const QString &key);
    void buttonMenuClick(const QString &key, int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *insertButton(const QString &key, QAction *action, const QString &tag, Style style);

    struct Button
    {
        QAction *action = nullptr;
        QString tag;
        QString image;
        QMenu *menu = nullptr;
        QString toolTip;
    };
    QList<QString> m_keys;
    QHash<QString, Button> m_buttons;
    QString m_imageList;
};
