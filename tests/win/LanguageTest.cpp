// The program's two languages at the Win32 layer: texts and pictures taken in
// the one shown, the general page's choice stored and shown at once, and every
// dialog's texts inside their controls in both languages.
#include "PixelBuffer.h"
#include "ProgramWindows.h"
#include "SettingsDriver.h"

#include <prsht.h>

#include <cstdio>
#include <string>

#include "common/AppSettings.h"
#include "common/ProgramLanguage.h"
#include "framework/MessageBox.h"
#include "framework/ResourceLanguage.h"
#include "sets/SetFiles.h"
#include "skin/SpriteCache.h"

namespace {

constexpr LANGID kKorean = 0x0412;
constexpr LANGID kEnglish = 0x0409;
constexpr int kGeneralPage = 3;

// The editor's OK button as it is drawn now.
std::uint32_t OkButtonChecksum()
{
    PixelBuffer buffer(42, 20);
    const KeyedSprite* sprite = ResourceSprite(IDB_OK_BUTTON);
    if (!sprite) return 0;
    sprite->Draw(buffer.dc(), 0, 0, 42, 20);
    std::uint32_t sum = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 42; ++x) sum = sum * 31 + buffer.At(x, y);
    }
    return sum;
}

// The editor as it shows now: its title (skin) and its OK and Cancel.
std::uint32_t EditorChecksum()
{
    PixelBuffer buffer(480, 220);
    CaptureClient(CProgramDialog::EditorWindow(), buffer);
    std::uint32_t sum = 0;
    for (const RECT& part : {RECT{0, 0, 130, 30}, RECT{300, 168, 402, 188}}) {
        for (LONG y = part.top; y < part.bottom; ++y) {
            for (LONG x = part.left; x < part.right; ++x) sum = sum * 31 + buffer.At(x, y);
        }
    }
    return sum;
}

void ChooseLanguage(int index)
{
    RunSettings(CProgramDialog::BarWindow(), [=](HWND sheet, HWND) {
        ChooseInCombo(ShowPage(sheet, kGeneralPage), IDC_LANGUAGE, index);
        Press(sheet, PSBTN_OK);
    });
}

}  // namespace

class Language : public ProgramWindows {
protected:
    void TearDown() override
    {
        ProgramWindows::TearDown();
        LoadOptions();
        SetResourceLanguage(LANG_NEUTRAL);
        ForgetResourceSprites();
    }
};

TEST_F(Language, TextsAndPicturesComeInTheLanguageShownAndFromKoreanWhereItHasNone)
{
    SetResourceLanguage(kEnglish);
    EXPECT_EQ(LoadResourceString(IDS_PAUSED), L"Paused");
    EXPECT_EQ(FormatResourceString(IDS_KEY_TAKEN, {L"F1", L"3"}), L"F1 is already the key of slot 3. Change that slot's key first.");
    EXPECT_EQ(FormatResourceString(IDS_KEY_TAKEN, {L"%2%%1", L"3"}),
              L"%2%%1 is already the key of slot 3. Change that slot's key first.") << "an insert is never read again";
    EXPECT_EQ(FormatResourceString(IDS_KEY_TAKEN, {L"F1"}),
              L"F1 is already the key of slot . Change that slot's key first.") << "a value not given reads empty";
    SetResourceLanguage(kKorean);
    EXPECT_EQ(LoadResourceString(IDS_PAUSED), L"일시 정지");
    EXPECT_EQ(LoadResourceString(IDS_MAX_CHARS_PROMPT), L"%1 이하의 문자를 입력하십시오.") << "the last of its table";
    SetResourceLanguage(0x0407);  // German: no block of its own
    EXPECT_EQ(LoadResourceString(IDS_PAUSED), L"일시 정지");
    EXPECT_EQ(LoadResourceString(1), L"") << "no such string";
    for (LANGID language : {kKorean, kEnglish}) {
        SetResourceLanguage(language);
        CBitmap skin;
        EXPECT_TRUE(skin.LoadBitmap(IDB_BAR_SKIN)) << "one skin for every language";
        EXPECT_EQ(skin.GetSize().cx, 480);
        EXPECT_NE(LanguageDialogTemplate(IDD_PAGE_GENERAL), nullptr);
        EXPECT_NE(LanguageDialogTemplate(IDD_TIMER_BAR), nullptr);
    }
}

TEST_F(Language, TheGeneralPageStoresAChangeOnlyAndTheWindowsShowItAtOnce)
{
    const std::uint32_t korean = OkButtonChecksum();
    OpenEditor(0);
    const std::uint32_t koreanEditor = EditorChecksum();
    const DWORD before = StoredValueCount();
    ChooseLanguage(0);  // as Windows, as it was
    EXPECT_EQ(StoredValueCount(), before) << "no change, nothing written";
    EXPECT_EQ(Stored("Language"), -1);

    ChooseLanguage(2);  // English
    EXPECT_EQ(Stored("Language"), 2);
    EXPECT_EQ(LanguageChoice(), 2);
    EXPECT_EQ(ResourceLanguage(), kEnglish);
    EXPECT_EQ(SystemTextsLanguage(), kEnglish) << "a choice labels Windows' own buttons too";
    EXPECT_NE(OkButtonChecksum(), korean) << "the editor's buttons drawn again in English";
    EXPECT_NE(EditorChecksum(), koreanEditor) << "the editor shows its English title and buttons at once";
    RunSettings(Bar(), [](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kGeneralPage);
        wchar_t text[64] = {};
        ::GetDlgItemTextW(page, IDC_LANGUAGE, text, 64);
        EXPECT_STREQ(text, L"English") << "the page opens on the choice";
        ::GetWindowTextW(sheet, text, 64);
        EXPECT_STREQ(text, L"Settings");
        Press(sheet, PSBTN_CANCEL);
    });

    ChooseLanguage(1);  // Korean, over a Korean Windows too
    EXPECT_EQ(Stored("Language"), 1);
    EXPECT_EQ(ResourceLanguage(), kKorean);
    EXPECT_EQ(SystemTextsLanguage(), kKorean);
    EXPECT_EQ(OkButtonChecksum(), korean);
    EXPECT_EQ(EditorChecksum(), koreanEditor);

    ChooseLanguage(0);  // following Windows again: its own buttons stay its own
    EXPECT_EQ(Stored("Language"), 0);
    EXPECT_EQ(SystemTextsLanguage(), 0);
}

TEST_F(Language, AnImportSaysHowManyValuesItMendedInWordsThatCountAndKeepsItsNameAsWritten)
{
    SetResourceLanguage(kEnglish);
    const SettingsRun run = AnswerBoxes([] {
        TakeSetText(Bar(), "Tavorin set 1\nname = 50%2off\nslot 1 second press = maybe\n", L"a.tavorin-set");
        TakeSetText(Bar(), "Tavorin set 1\nname = Mage\nslot 1 repeat = twice\nslot 2 warning = x\n", L"b.tavorin-set");
    });
    EXPECT_EQ(run.boxes, (std::vector<std::wstring>{L"The set 50%2off was imported. 1 value was brought into range.",
                                                    L"The set Mage was imported. 2 values were brought into range."}));
}

TEST_F(Language, TheButtonsWindowsDrawsItselfTakeAChosenLanguageAndStayWindowsOwnOtherwise)
{
    const auto shown = [] {
        std::wstring sheet;
        RunSettings(Bar(), [&sheet](HWND hWndSheet, HWND) {
            wchar_t ok[32] = L"", cancel[32] = L"";
            ::GetDlgItemTextW(hWndSheet, IDOK, ok, 32);
            ::GetDlgItemTextW(hWndSheet, IDCANCEL, cancel, 32);
            sheet = std::wstring(ok) + L"|" + cancel;
            Press(hWndSheet, PSBTN_CANCEL);
        });
        const SettingsRun boxes = AnswerBoxes([] {
            AfxMessageBox(CurrentMessageBoxContext(), L"?", MB_YESNO);
            AfxMessageBox(CurrentMessageBoxContext(), L"!", MB_OK);
        });
        return std::vector<std::wstring>{sheet, boxes.buttons.at(0), boxes.buttons.at(1)};
    };
    SetResourceLanguage(kEnglish, 0);  // following an English Windows: Windows labels them
    const std::vector<std::wstring> windowsOwn = shown();
    const struct {
        LANGID language;
        LANGID systemTexts;
        std::vector<std::wstring> texts;  // the sheet's OK and Cancel, a Yes/No box's, an OK box's
    } rows[] = {
        {kEnglish, kEnglish, {L"OK|Cancel", L"&Yes|&No", L"OK"}},
        {kKorean, kKorean, {L"확인|취소", L"예(&Y)|아니요(&N)", L"확인"}},
        {kKorean, 0, windowsOwn},
    };
    for (const auto& row : rows) {
        SetResourceLanguage(row.language, row.systemTexts);
        EXPECT_EQ(shown(), row.texts) << row.language << " " << row.systemTexts;
    }
}

// Each text of a dialog inside its control, as the dialog's font measures it.
class LanguageLayout : public ::testing::TestWithParam<LANGID> {
protected:
    void TearDown() override { SetResourceLanguage(LANG_NEUTRAL); }
};

TEST_P(LanguageLayout, EveryTextFitsItsControl)
{
    SetResourceLanguage(GetParam());
    HiddenWindow owner(600, 500);
    HDC screen = ::GetDC(nullptr);
    std::printf("at %d DPI\n", ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
    for (UINT id : {IDD_PAGE_KEYS, IDD_PAGE_ALERTS, IDD_PAGE_WINDOW, IDD_PAGE_GENERAL, IDD_SET_NAME}) {
        const DLGTEMPLATE* dialogTemplate = LanguageDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr);
        HWND dialog = ::CreateDialogIndirectParamW(
            AfxGetInstanceHandle(), dialogTemplate, owner,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ASSERT_NE(dialog, nullptr) << id;
        // The prompt under the key list takes the help and the waiting text in turn.
        const std::wstring prompts[] = {LoadResourceString(IDS_KEY_HELP), LoadResourceString(IDS_KEY_WAITING)};
        for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
            wchar_t className[32] = {};
            ::GetClassNameW(control, className, 32);
            const std::wstring kind = className;
            if (kind != L"Static" && kind != L"Button") continue;
            std::wstring texts[2];
            const int count = ::GetDlgCtrlID(control) == IDC_KEY_PROMPT ? 2 : 1;
            if (count == 2) {
                texts[0] = prompts[0];
                texts[1] = prompts[1];
            } else {
                wchar_t text[256] = {};
                ::GetWindowTextW(control, text, 256);
                texts[0] = text;
            }
            RECT box{};
            ::GetClientRect(control, &box);
            const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
            const bool check = kind == L"Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
            const bool push = kind == L"Button" && !check;
            if (check) box.right -= ::GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box and its gap
            if (push) ::InflateRect(&box, -4, -2);                           // the button's edge
            HDC dc = ::GetDC(control);
            HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
            for (int i = 0; i < count; ++i) {
                if (texts[i].empty()) continue;
                RECT need = box;
                ::DrawTextW(dc, texts[i].c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK);
                EXPECT_LE(need.right, box.right) << id << ": " << std::string(texts[i].begin(), texts[i].end());
                EXPECT_LE(need.bottom, box.bottom) << id << ": lines of text " << i;
            }
            ::SelectObject(dc, old);
            ::ReleaseDC(control, dc);
        }
        ::DestroyWindow(dialog);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageLayout, ::testing::Values(kKorean, kEnglish));
