// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>

class CSettingsHelper;
class CMarqueePage;
class CPicturePage;
class CYearViewPage;
class IPrompts;

// The tabs of the Options dialog; it owns its three pages.
class COptionsTabCtrl : public QTabWidget {
    Q_OBJECT
public:
    enum PageIndex { MarqueeIndex = 0, PictureIndex = 1, YearViewIndex = 2 };

    COptionsTabCtrl(const CSettingsHelper& settings, IPrompts& prompts, QWidget* parent = nullptr);

    CMarqueePage* MarqueePage() const { return m_marqueePage; }
    CPicturePage* PicturePage() const { return m_picturePage; }
    CYearViewPage* YearViewPage() const { return m_yearViewPage; }

private:
    CMarqueePage* m_marqueePage;
    CPicturePage* m_picturePage;
    CYearViewPage* m_yearViewPage;
};
