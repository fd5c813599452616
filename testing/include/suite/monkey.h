// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A monkey for the window tests: thousands of random clicks, keys and pasted texts (empty, huge,
// binary) on the controls of a program's open windows, from a fixed seed so a failure repeats.
// Modal boxes and dialogs that come up are dismissed. Controls named in `spare` (Quit buttons, say)
// are never clicked. For tests only.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <random>

namespace suite {

class Monkey {
public:
    Monkey(std::uint32_t seed, QStringList spare)
        : m_random(seed)
        , m_spare(std::move(spare)) {
        QObject::connect(&m_dismisser, &QTimer::timeout, &m_dismisser, [] { DismissModal(); });
        m_dismisser.start(2);
    }

    // Acts `actions` times on the visible top-level windows; returns how many actions were done.
    int Run(int actions) {
        int done = 0;
        for (int i = 0; i < actions; ++i) {
            DismissModal();
            QList<QWidget*> controls = Controls();
            if (controls.isEmpty()) {
                break;
            }
            Act(controls[Pick(controls.size())]);
            QCoreApplication::processEvents();
            ++done;
        }
        DismissModal();
        return done;
    }

private:
    static void DismissModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isModal()) {
            dialog->reject();
        }
    }

    QList<QWidget*> Controls() const {
        QList<QWidget*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window == QApplication::activeModalWidget()) {
                continue;
            }
            for (QWidget* w : window->findChildren<QWidget*>()) {
                const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                     qobject_cast<QComboBox*>(w);
                if (control && w->isVisible() && w->isEnabled() && !m_spare.contains(w->objectName())) {
                    found << w;
                }
            }
        }
        return found;
    }

    qsizetype Pick(qsizetype count) {
        return static_cast<qsizetype>(std::uniform_int_distribution<qsizetype>(0, count - 1)(m_random));
    }

    QString PastedText() {
        switch (Pick(5)) {
        case 0:
            return QString();
        case 1:
            return QString(200000, QLatin1Char('9'));
        case 2: {
            QByteArray bytes(64, '\0');
            for (char& b : bytes) {
                b = static_cast<char>(Pick(256));
            }
            return QString::fromLatin1(bytes);
        }
        case 3:
            return QStringLiteral("1e999");
        default:
            return QString::number(Pick(100000)) + (Pick(2) ? QStringLiteral(",5") : QStringLiteral(".25"));
        }
    }

    void Act(QWidget* control) {
        // clang-format off
        static const Qt::Key keys[] = {Qt::Key_0, Qt::Key_5, Qt::Key_9, Qt::Key_A, Qt::Key_E, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Comma,
                                       Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Down, Qt::Key_Up};
        // clang-format on
        const QPoint inside(static_cast<int>(Pick(std::max(1, control->width()))),
                            static_cast<int>(Pick(std::max(1, control->height()))));
        switch (Pick(6)) {
        case 0:
            QTest::mouseClick(control, Qt::LeftButton, {}, inside);
            break;
        case 1:
            QTest::mouseClick(control, Pick(2) ? Qt::RightButton : Qt::MiddleButton, {}, inside);
            break;
        case 2:
            if (auto* box = qobject_cast<QLineEdit*>(control)) {
                box->setText(PastedText());
                break;
            }
            [[fallthrough]];
        default: {
            control->setFocus();
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : control;
            QPointer<QWidget> alive(target);
            QTest::keyClick(target, keys[Pick(std::size(keys))]);
            if (alive && Pick(10) == 0) {
                QTest::keyClicks(alive, QStringLiteral("12abc"));
            }
        }
        }
    }

    std::mt19937 m_random;
    QStringList m_spare;
    QTimer m_dismisser;
};

} // namespace suite
