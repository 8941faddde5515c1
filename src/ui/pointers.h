// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own mouse pointers.
#pragma once

#include <QCursor>
#include <QString>
#include <optional>

// The pointing hand over links and answer pictures, its hot spot at the tip of the finger; on a
// high-DPI screen drawn from its picture at twice the size.
QCursor handCursor();

// A pointer read from an icon file, its hot spot in the middle; nothing when the file is
// missing, unreadable, not a small picture, or too large to be a pointer. On a high-DPI screen
// the picture is enlarged to keep its size.
std::optional<QCursor> iconCursor(const QString &path);
