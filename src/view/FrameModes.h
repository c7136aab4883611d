// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CSettingsHelper;
class QMainWindow;

// The main frame's window modes: kept above other windows, and with or
// without its menu bar and title bar. Each operation writes its setting.
void SetOnTop(QMainWindow& frame, const CSettingsHelper& settings);
void ClearOnTop(QMainWindow& frame, const CSettingsHelper& settings);
void ShowMenu(QMainWindow& frame, const CSettingsHelper& settings);
void HideMenu(QMainWindow& frame, const CSettingsHelper& settings);
void ShowTitleBar(QMainWindow& frame);
void HideTitleBar(QMainWindow& frame);

bool FrameHasMenu(const QMainWindow& frame);
bool FrameHasTitleBar(const QMainWindow& frame);
// Checks or unchecks every menu action that carries command `id` in its data.
void SetMenuItemCheck(QMainWindow& frame, int id, bool checked);
