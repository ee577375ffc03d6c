// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Accelerators.h"

#include "resources/Resource.h"

#include <QKeySequence>

#include <algorithm>
#include <array>

namespace {

constexpr auto kNone = Qt::NoModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kAlt = Qt::AltModifier;

constexpr auto kAccelerators = std::to_array<Accelerator>({
    { QKeyCombination(kCtrl, Qt::Key_B), ID_BACKGROUND_COLOR },
    { QKeyCombination(kCtrl, Qt::Key_C), ID_EDIT_COPY },
    { QKeyCombination(kCtrl, Qt::Key_Insert), ID_EDIT_COPY },
    { QKeyCombination(kCtrl, Qt::Key_D), ID_MAKE_DARKER },
    { QKeyCombination(kCtrl, Qt::Key_L), ID_MAKE_LIGHTER },
    { QKeyCombination(kCtrl, Qt::Key_N), ID_FILE_NEW },
    { QKeyCombination(kCtrl, Qt::Key_O), ID_FILE_OPEN },
    { QKeyCombination(kCtrl, Qt::Key_S), ID_FILE_SAVE },
    { QKeyCombination(kCtrl, Qt::Key_V), ID_EDIT_PASTE },
    { QKeyCombination(kShift, Qt::Key_Insert), ID_EDIT_PASTE },
    { QKeyCombination(kCtrl | kShift, Qt::Key_V), ID_EDIT_PASTE_INTERNAL },
    { QKeyCombination(kCtrl, Qt::Key_Z), ID_EDIT_UNDO },
    { QKeyCombination(kAlt, Qt::Key_Backspace), ID_EDIT_UNDO },
    { QKeyCombination(kCtrl, Qt::Key_X), ID_EDIT_CUT },
    { QKeyCombination(kShift, Qt::Key_Delete), ID_EDIT_CUT },
    { QKeyCombination(kNone, Qt::Key_Down), ID_ROTATE_180 },
    { QKeyCombination(kNone, Qt::Key_Left), ID_ROTATE_CCW },
    { QKeyCombination(kNone, Qt::Key_Right), ID_ROTATE_CW },
    { QKeyCombination(kCtrl, Qt::Key_Right), ID_FLIP_HORIZONTAL },
    { QKeyCombination(kCtrl, Qt::Key_Up), ID_FLIP_VERTICAL },
    { QKeyCombination(kNone, Qt::Key_F1), ID_HELP },
    { QKeyCombination(kShift, Qt::Key_F1), ID_CONTEXT_HELP },
    { QKeyCombination(kNone, Qt::Key_F6), ID_VIEW_16 },
    { QKeyCombination(kNone, Qt::Key_F7), ID_VIEW_32 },
    { QKeyCombination(kNone, Qt::Key_F8), ID_VIEW_48 },
});

} // namespace

std::span<const Accelerator> Accelerators() { return kAccelerators; }

int CommandForKey(QKeyCombination key)
{
    const auto found = std::ranges::find(kAccelerators, key, &Accelerator::key);
    return found == kAccelerators.end() ? 0 : found->id;
}

QList<QKeyCombination> KeysForCommand(int id)
{
    QList<QKeyCombination> keys;
    for (const Accelerator& accelerator : kAccelerators)
        if (accelerator.id == id)
            keys.append(accelerator.key);
    return keys;
}

QString KeyText(QKeyCombination key)
{
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
    QString text;
    if (modifiers & Qt::ControlModifier)
        text += QStringLiteral("Ctrl+");
    if (modifiers & Qt::ShiftModifier)
        text += QStringLiteral("Shift+");
    if (modifiers & Qt::AltModifier)
        text += QStringLiteral("Alt+");
    // Qt abbreviates these two; the menus spell them out.
    switch (key.key()) {
    case Qt::Key_Insert:
        return text + QStringLiteral("Insert");
    case Qt::Key_Delete:
        return text + QStringLiteral("Delete");
    default:
        return text + QKeySequence(key.key()).toString(QKeySequence::PortableText);
    }
}
