#include "forms/languageapply.h"

#include "interface/languagetable.h"
#include "interface/texttargets.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QWidget>

namespace tessera {

namespace {
bool setItem(QObject* control, int item, const QString& text) {
    if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
        if (item < tabs->count()) tabs->setTabText(item, text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (item < combo->count()) combo->setItemText(item, text);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        if (item < list->count()) list->item(item)->setText(text);
    } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
        if (item < tree->columnCount()) tree->headerItem()->setText(item, text);
    } else if (auto* table = qobject_cast<QTableWidget*>(control)) {
        if (item < table->columnCount()) table->setHorizontalHeaderItem(item, new QTableWidgetItem(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        // A radio group: its buttons in order.
        const auto buttons = group->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        if (item < buttons.size()) buttons[item]->setText(text);
    } else {
        return false;
    }
    return true;
}

void setText(QObject* control, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(control); widget && widget->isWindow())
        widget->setWindowTitle(text);
}

// The window an object lives in; the menus that pop up from a window belong to it.
QWidget* windowOf(QObject* object) {
    for (QObject* o = object; o; o = o->parent())
        if (auto* widget = qobject_cast<QWidget*>(o); widget && widget->isWindow() && !qobject_cast<QMenu*>(o))
            return widget;
    return nullptr;
}

// The parameters page labels whose hints the hint preference switches.
constexpr const char* HintLabels[] = {"V_Valor", "L_SPool", "L_Ant", "L_Nuevos", "L_Preg", "L_Tot", "L_Pool"};
} // namespace

void applyTexts(const LanguageTable& table, const QList<QWidget*>& forms) {
    QHash<QString, QWidget*> byName;
    for (QWidget* form : forms) byName.insert(form->objectName(), form);
    for (const TextTarget& target : textTargets()) {
        QWidget* form = byName.value(QLatin1String(target.form));
        if (!form) continue;
        const QString text = table.entry(target.entry);
        if (!*target.control) {
            form->setWindowTitle(text);
            continue;
        }
        QObject* control = ownControl(form, QLatin1String(target.control));
        if (!control) continue;
        if (target.item >= 0)
            setItem(control, target.item, text);
        else
            setText(control, text);
    }
}

QObject* ownControl(QWidget* form, const QString& name) {
    for (QObject* control : form->findChildren<QObject*>(name))
        if (windowOf(control) == form) return control;
    return nullptr;
}

void applyHints(bool show, const QList<QWidget*>& forms) {
    for (QWidget* form : forms)
        for (const char* name : HintLabels)
            if (auto* label = form->findChild<QLabel*>(QLatin1String(name))) {
                // The hint text stays with the label; only whether it shows changes.
                if (!label->property("hint").isValid()) label->setProperty("hint", label->toolTip());
                label->setToolTip(show ? label->property("hint").toString() : QString());
            }
}

} // namespace tessera
