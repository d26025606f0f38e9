#include "main/Unt_aura.h"

#include "base/Contrast.h"
#include "base/Numbers.h"
#include "common/ErrorBox.h"
#include "common/HelpViewer.h"
#include "common/Placement.h"
#include "common/RadioMenu.h"
#include "data/Naming.h"
#include "elements/Elements.h"
#include "main/Relief.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "toolbar/TB97.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_find.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolTip>
#include <algorithm>

namespace {

enum class Mark { None, Check, Radio };

} // namespace

void TfrmAuralis::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    auto menu = [this](const char *name, const QString &title) {
        auto *m = new TMenu(title, this);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    // Check items are toggled by Qt before triggered() arrives; the handlers own the
    // marks, so the toggle is taken back first and the handler decides.
    auto item = [this](QMenu *m, const char *name, const QString &caption, Mark mark,
                    const QKeySequence &shortcut = {}) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        a->setCheckable(mark != Mark::None);
        a->setProperty("radio", mark == Mark::Radio);
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        m->addAction(a);
        connect(a, &QAction::triggered, this, [this, a](bool checked) {
            if (a->isCheckable())
                a->setChecked(!checked);
            if (std::find(trendItems.begin(), trendItems.end(), a) != trendItems.end())
                MenuTrendsClick(a);
            else
                MenuClick(a);
        });
        return a;
    };
    auto separator = [this](QMenu *m, const char *name) {
        QAction *a = m->addSeparator();
        a->setObjectName(QLatin1String(name));
        a->setParent(this);
        return a;
    };

    FileMenu = menu("FileMenu", tr("&File"));
    mnuSaveConfigNow = item(FileMenu, "mnuSaveConfigNow", tr("&Save Config &Now"), Mark::None);
    mnuSaveConfigOnExit
        = item(FileMenu, "mnuSaveConfigOnExit", tr("Save Config On &Exit"), Mark::Check);
    separator(FileMenu, "N2");
    mnuExit = item(FileMenu, "mnuExit", tr("E&xit"), Mark::None);
    mnuSaveConfigOnExit->setChecked(true);

    ViewMenu = menu("ViewMenu", tr("&View"));
    mnuToolbar = item(ViewMenu, "mnuToolbar", tr("&Toolbar"), Mark::Check);
    mnuStatusBar = item(ViewMenu, "mnuStatusBar", tr("Status &Bar"), Mark::Check);
    separator(ViewMenu, "N8");
    mnuElementOnTop = item(ViewMenu, "mnuElementOnTop", tr("&Element Info On Top"), Mark::Check);
    mnuTrendsOnTop = item(ViewMenu, "mnuTrendsOnTop", tr("&Trends Graph On Top"), Mark::Check);
    separator(ViewMenu, "N1");
    mnuNamingScheme = menu("mnuNamingScheme", tr("&Naming Scheme"));
    ViewMenu->addMenu(mnuNamingScheme);
    mnuIUPACApproved
        = item(mnuNamingScheme, "mnuIUPACApproved", tr("IUPAC - Appr&oved"), Mark::Check);
    mnuIUPACProvisional
        = item(mnuNamingScheme, "mnuIUPACProvisional", tr("IUPAC - &Provisional"), Mark::Radio);
    mnuIUPACRecommended
        = item(mnuNamingScheme, "mnuIUPACRecommended", tr("IUPAC - &Recommended"), Mark::Radio);
    mnuACSRecommended
        = item(mnuNamingScheme, "mnuACSRecommended", tr("&ACS - Recommended"), Mark::Radio);
    separator(ViewMenu, "N7");
    mnuOptions = item(ViewMenu, "mnuOptions", tr("&Options..."), Mark::None);
    mnuToolbar->setChecked(true);
    mnuStatusBar->setChecked(true);

    ElementMenu = menu("ElementMenu", tr("&Element"));
    mnuFindElement = item(ElementMenu, "mnuFindElement", tr("&Find Element..."), Mark::None,
        QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuSetTemperature = item(ElementMenu, "mnuSetTemperature", tr("Set &Temperature..."),
        Mark::None, QKeySequence(Qt::CTRL | Qt::Key_T));
    separator(ElementMenu, "N3");
    mnuElementInfo = item(ElementMenu, "mnuElementInfo", tr("Element &Information"), Mark::Check,
        QKeySequence(Qt::CTRL | Qt::Key_I));

    TrendsMenu = menu("TrendsMenu", tr("&Trends"));
    mnuNone = trendItems[0] = item(TrendsMenu, "mnuNone", tr("&None"), Mark::Radio);
    for (int i = 0; i < TrendPropertyCount; ++i)
        trendItems[size_t(i) + 1] = item(
            TrendsMenu, Fields::trend(i).itemName, tr(Fields::trend(i).itemCaption), Mark::Radio);
    mnuNone->setChecked(true);
    separator(TrendsMenu, "N4");
    mnuGraph = item(TrendsMenu, "mnuGraph", tr("&Graph Trends"), Mark::None);

    HelpMenu = menu("HelpMenu", tr("&Help"));
    mnuHelpContents = item(
        HelpMenu, "mnuHelpContents", tr("Help &Contents"), Mark::None, QKeySequence(Qt::Key_F1));
    mnuAbout = item(HelpMenu, "mnuAbout", tr("&About Auralis   ..."), Mark::None);

    for (QMenu *m : { FileMenu, ViewMenu, ElementMenu, TrendsMenu, HelpMenu })
        bar->addMenu(m);

    PopupMenu = menu("PopupMenu", QString());
    mnuElementInfoPop
        = item(PopupMenu, "mnuElementInfoPop", tr("&Element Information"), Mark::None);
    N6 = separator(PopupMenu, "N6");
    mnuFindPop = item(PopupMenu, "mnuFindPop", tr("&Find Element..."), Mark::None);
    mnuTempPop = item(PopupMenu, "mnuTempPop", tr("Change &Temperature..."), Mark::None);
    mnuColorPop = item(PopupMenu, "mnuColorPop", tr("Setup &Colours..."), Mark::None);

    // The marks other windows follow are mirrored into the shared state.
    const std::pair<QAction *, SharedState::Mark> marks[] = {
        { mnuElementInfo, SharedState::Mark::InfoWanted },
        { mnuElementOnTop, SharedState::Mark::ElementOnTop },
        { mnuTrendsOnTop, SharedState::Mark::TrendsOnTop },
    };
    for (const auto &[action, mark] : marks) {
        connect(
            action, &QAction::toggled, this, [this, m = mark](bool on) { m_state.setMark(m, on); });
    }
}

std::array<QAction *, Naming::SchemeCount> TfrmAuralis::schemeItems() const
{
    return { mnuIUPACApproved, mnuIUPACProvisional, mnuIUPACRecommended, mnuACSRecommended };
}

void TfrmAuralis::MenuClick(QObject *sender)
{
    ErrorBox::guarded([&] {
        auto *tileSender = qobject_cast<TElement *>(sender);
        if (!sender)
            return;
        if (sender == mnuSaveConfigNow) {
            SaveSettings();
        } else if (sender == mnuElementInfo || sender == butElementInfo
            || sender == mnuElementInfoPop || tileSender) {
            if (sender == mnuElementInfo && mnuElementInfo->isChecked()) {
                if (m_tools.info)
                    m_tools.info->close();
                mnuElementInfo->setChecked(false);
            } else {
                mnuElementInfo->setChecked(true);
                if (m_tools.info) {
                    m_tools.info->show();
                    m_tools.info->raise();
                    m_tools.info->activateWindow();
                }
            }
        } else if (sender == mnuSaveConfigOnExit) {
            mnuSaveConfigOnExit->setChecked(!mnuSaveConfigOnExit->isChecked());
        } else if (const auto schemes = schemeItems();
                   std::find(schemes.begin(), schemes.end(), sender) != schemes.end()) {
            for (QAction *a : schemes)
                a->setChecked(false);
            static_cast<QAction *>(sender)->setChecked(true);
            ApplyNamingScheme(true);
        } else if (sender == mnuOptions || sender == mnuColorPop || sender == butColor) {
            if (m_tools.options)
                showOptions(*m_tools.options);
        } else if (sender == mnuTrendsOnTop) {
            mnuTrendsOnTop->setChecked(!mnuTrendsOnTop->isChecked());
            QCoreApplication::processEvents();
            if (m_tools.graph && m_tools.graph->isVisible())
                m_tools.graph->setStayOnTop(mnuTrendsOnTop->isChecked());
        } else if (sender == mnuElementOnTop) {
            mnuElementOnTop->setChecked(!mnuElementOnTop->isChecked());
            QCoreApplication::processEvents();
            if (m_tools.info && m_tools.info->isVisible())
                m_tools.info->setStayOnTop(mnuElementOnTop->isChecked());
        } else if (sender == mnuExit) {
            close();
        } else if (sender == mnuToolbar) {
            mnuToolbar->setChecked(!mnuToolbar->isChecked());
            if (Toolbar)
                Toolbar->setHidden(!Toolbar->isHidden());
            FormResize();
        } else if (sender == mnuStatusBar) {
            mnuStatusBar->setChecked(!mnuStatusBar->isChecked());
            if (StatusBar)
                StatusBar->setHidden(!StatusBar->isHidden());
            FormResize();
        } else if (sender == mnuSetTemperature || sender == butTemperature
            || sender == mnuTempPop) {
            if (m_tools.temperature)
                m_tools.temperature->exec();
        } else if (sender == mnuFindElement || sender == butFind || sender == mnuFindPop) {
            if (m_tools.find)
                m_tools.find->exec();
        } else if (sender == mnuGraph || sender == butGraph) {
            if (m_tools.graph)
                m_tools.graph->showRestored();
        } else if (sender == mnuHelpContents || sender == butHelp) {
            HelpViewer::showTopic(helpFile(), 1, this);
        } else if (sender == mnuAbout || sender == butAbout) {
            if (m_tools.about)
                m_tools.about->exec();
        }
    });
}

void TfrmAuralis::MenuTrendsClick(QAction *sender)
{
    ErrorBox::guarded([&] {
        if (!sender || sender->isChecked())
            return;
        const auto it = std::find(trendItems.begin(), trendItems.end(), sender);
        if (it == trendItems.end())
            return;
        for (QAction *a : trendItems)
            a->setChecked(false);
        sender->setChecked(true);

        if (sender == mnuNone) {
            for (int z = 1; z <= ElementCount; ++z)
                if (TElement *t = tile(z))
                    t->setDepth(0);
        } else {
            const int property = int(it - trendItems.begin()) - 1;
            const PropertyColumn column = PropertyColumn::scan(
                elementData(), Fields::trend(property).valueField, decimalSeparator());
            const int maxDepth = tile(1) ? tile(1)->maxDepth() : 20;
            const auto depths = Relief::depths(column, maxDepth);
            for (int z = 1; z <= ElementCount; ++z)
                if (TElement *t = tile(z))
                    t->setDepth(depths[z - 1]);
        }
        PeriodicTableResize();
    });
}

void TfrmAuralis::ElementClick(TElement *sender, Qt::MouseButton button)
{
    ErrorBox::guarded([&] {
        if (!sender)
            return;
        int n = 0;
        for (int z = 1; z <= ElementCount && !n; ++z)
            if (tile(z) == sender)
                n = z;
        if (!n)
            return;
        const int selected = m_state.selectedElement();
        if (selected == 0) {
            m_state.setSelectedElement(n);
            sender->setSelected(true);
        } else if (n != selected) {
            if (TElement *old = tile(selected))
                old->setSelected(false);
            m_state.setSelectedElement(n);
            sender->setSelected(true);
        }
        QCoreApplication::processEvents();
        if (m_tools.info && m_tools.info->isVisible())
            m_tools.info->UpdateInfo();
        if (button == Qt::RightButton)
            openPopup(true);
    });
}

void TfrmAuralis::TableMouseDown(QObject *, Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        openPopup(false);
}

void TfrmAuralis::openPopup(bool onTile)
{
    if (!PopupMenu)
        return;
    mnuElementInfoPop->setVisible(onTile);
    N6->setVisible(onTile);
    // Only the tile's menu drops the tile's tool-tip while it is open.
    const int pause = m_hintHidePause;
    if (onTile) {
        m_hintHidePause = 0;
        QToolTip::hideText();
    }
    PopupMenu->exec(QCursor::pos());
    m_hintHidePause = pause;
}

void TfrmAuralis::LegendDblClick(QObject *)
{
    ErrorBox::guarded([this] {
        if (m_tools.options)
            showOptions(*m_tools.options);
    });
}

void TfrmAuralis::ApplyTemperature()
{
    const double kelvin = double(temperature());
    for (int z = 1; z <= ElementCount; ++z)
        if (TElement *t = tile(z))
            t->setTemperature(kelvin);
}

void TfrmAuralis::ApplyNamingScheme(bool refresh)
{
    ErrorBox::guarded([&] {
        const auto items = schemeItems();
        int scheme = -1;
        for (int i = 0; i < Naming::SchemeCount && scheme < 0; ++i)
            if (items[i] && items[i]->isChecked())
                scheme = i;
        if (scheme >= 0) {
            m_state.setNamingScheme(scheme);
            for (int z = Naming::FirstNamedElement; z <= Naming::LastNamedElement; ++z) {
                if (TElement *t = tile(z)) {
                    t->setSymbol(m_state.symbol(z));
                    t->setHint(m_state.name(z));
                    describeTile(z);
                }
            }
        }
        PeriodicTableResize();
        update();
        if (refresh && m_tools.info)
            m_tools.info->UpdateInfo();
    });
}

void TfrmAuralis::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShowDone) {
        m_firstShowDone = true;
        if (!focusWidget())
            PeriodicTable->setFocus();
        ErrorBox::guarded([this] { FormShow(); });
    }
}

void TfrmAuralis::FormShow()
{
    emit firstShown();

    IniFile ini(settingsFile());
    // A settings write that fails here is reported and start-up goes on: losing a
    // first-run flag is no reason to lose the program.
    const auto writeFirstRunKey = [this](const std::function<void()> &write) {
        if (!m_settingsRefused)
            ErrorBox::guarded(write);
    };
    if (!Settings::NoticeRead.readFlag(ini)) {
        TfrmAbout notice(this);
        notice.setWindowTitle(QStringLiteral("Please Read Carefully"));
        Placement::centreOnScreen(&notice, screenSize());
        notice.exec();
        writeFirstRunKey([&] { Settings::NoticeRead.writeFlag(ini, true); });
    }

    if (const auto stored = ColourScheme::readTable(ini)) {
        setTableColour(*stored);
        return;
    }
    // The stock light styles here use light neutral greys of their own, not silver: any
    // such face is the standard one, and a dark, coloured or high-contrast face is not.
    const TColor face = TColor::system(TColor::BtnFace);
    if (Contrast::isStandardFace(face.resolve(palette()))) {
        setTableColour(face);
    } else {
        ErrorBox::showMessage(this, QMessageBox::Warning, QStringLiteral("Colours - Auralis"),
            QStringLiteral("Because you are not using the standard 3D colour, "
                           "you should adjust the colour setup to make sure "
                           "that all application text will appear readable)"));
        // The tool windows do not exist yet: a dialog of its own, offering the table
        // colours only, lets the user pick the grey background.
        TfrmOptions colours(m_state, this);
        colours.setTableColoursOnly(true);
        connect(&colours, &TfrmOptions::coloursChosen, this, &TfrmAuralis::applyColourScheme);
        connect(&colours, &TfrmOptions::backgroundChosen, this, &TfrmAuralis::applyBackground);
        Placement::centreOnScreen(&colours, screenSize());
        showOptions(colours);
    }
    writeFirstRunKey([&] { m_state.colours().writeTable(ini); });
}

void TfrmAuralis::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        WMSysCommand(static_cast<QWindowStateChangeEvent *>(event)->oldState(), windowState());
}

void TfrmAuralis::WMSysCommand(Qt::WindowStates oldState, Qt::WindowStates newState)
{
    if (!mnuElementInfo || !m_tools.info || oldState == newState)
        return;
    const bool wanted = mnuElementInfo->isChecked();
    if ((newState & Qt::WindowMinimized) && !(oldState & Qt::WindowMinimized)) {
        if (wanted && m_tools.info->isVisible()) {
            m_tools.info->hide();
            mnuElementInfo->setChecked(true);
        }
    } else if (!(newState & Qt::WindowMinimized)) {
        if (wanted && !m_tools.info->isVisible())
            m_tools.info->show();
    }
}

void TfrmAuralis::attachToolWindows(const ToolWindows &tools)
{
    m_tools = tools;
    if (TfrmElementInfo *info = m_tools.info) {
        connect(
            info, &TfrmElementInfo::closeRequested, this, [this] { MenuClick(mnuElementInfo); });
        connect(info, &TfrmElementInfo::hidden, this, [this] {
            if (mnuElementInfo)
                mnuElementInfo->setChecked(false);
        });
        connect(info, &TfrmElementInfo::shownAtStart, this, [this] {
            if (mnuElementInfo)
                mnuElementInfo->setChecked(true);
            activateWindow();
        });
        connect(info, &TfrmElementInfo::coloursRequested, this, &TfrmAuralis::applyColourScheme);
        ErrorBox::guarded([info] { info->FormCreate(); });
    }
    if (TfrmGraph *graph = m_tools.graph) {
        connect(graph, &TfrmGraph::elementChosen, this,
            [this](int z) { ElementClick(tile(z), Qt::LeftButton); });
        connect(graph, &TfrmGraph::elementInfoRequested, this,
            [this] { MenuClick(mnuElementInfoPop); });
        connect(graph, &TfrmGraph::focusRequested, this, [this] {
            activateWindow();
            if (m_tools.info && m_tools.info->isVisible() && !m_tools.info->stayOnTop())
                m_tools.info->activateWindow();
        });
        connect(graph, &TfrmGraph::aboutRequested, this, [this] {
            if (m_tools.about)
                m_tools.about->exec();
        });
        connect(graph, &TfrmGraph::coloursRequested, this, &TfrmAuralis::applyColourScheme);
        ErrorBox::guarded([graph] { graph->FormCreate(); });
    }
    if (TfrmSetTemperature *dialog = m_tools.temperature) {
        connect(dialog, &TfrmSetTemperature::temperatureChosen, this,
            &TfrmAuralis::applyChosenTemperature);
        ErrorBox::guarded([dialog] { dialog->FormCreate(); });
    }
    if (TfrmFindElement *find = m_tools.find) {
        // The find window's choice is a left click on the element's tile.
        connect(find, &TfrmFindElement::elementChosen, this,
            [this](int z) { ElementClick(tile(z), Qt::LeftButton); });
        ErrorBox::guarded([find] { find->FormCreate(); });
    }
    if (TfrmOptions *options = m_tools.options) {
        connect(options, &TfrmOptions::coloursChosen, this, &TfrmAuralis::applyColourScheme);
        connect(options, &TfrmOptions::backgroundChosen, this, &TfrmAuralis::applyBackground);
        ErrorBox::guarded([options] { options->FormCreate(); });
    }
}

void TfrmAuralis::showOptions(TfrmOptions &dialog)
{
    dialog.setLiveBackground(backgroundFile, imgWallpaper);
    dialog.exec();
}

void TfrmAuralis::applyBackground(const QString &file, const QPixmap &picture)
{
    imgWallpaper = picture;
    backgroundFile = file;
    if (pntBackGround)
        pntBackGround->update();
}

void TfrmAuralis::applyChosenTemperature(float kelvin)
{
    // Setting the slider runs its own change handling, which briefly applies the whole
    // number; the two-decimal value below then replaces it.
    if (TempSlider)
        TempSlider->setValue(Numbers::roundHalfEven(kelvin));
    const QString text = Numbers::temperatureText(kelvin, decimalSeparator());
    m_state.setTemperature(float(Numbers::strToFloat(text, decimalSeparator())));
    UpdateTempStatus(m_tools.temperature);
    ApplyTemperature();
}
