// The wizard's two pages. Each ends with the person's choice; where that leads is
// WinMain's business.
#include "resources/resource.h"
#include "setup.h"
#include "text.h"

namespace {

// A string resource holds only so much, so the agreement is kept in pieces.
constexpr UINT kAgreementPieces[] = {IDS_LICENSE_1, IDS_LICENSE_2, IDS_LICENSE_3, IDS_LICENSE_4,
                                     IDS_LICENSE_5, IDS_LICENSE_6, IDS_LICENSE_7};

void InitialiseWelcome(HWND page) {
    char welcome[128], caption[32];
    JoinInto(welcome, {"Welcome to the ", ProductTitle, " setup program.  This program will install ", ProductTitle,
                       " on your mobile device."});
    JoinInto(caption, {ProductTitle, " Setup"});
    SetDlgItemTextA(page, IDC_WELCOME_TEXT, welcome);
    SetWindowTextA(page, caption);
}

void InitialiseLicense(HWND page) {
    char question[256];
    JoinInto(question, {"Do you accept all the terms of the preceeding License Agreement?  If you choose Decline, "
                        "Setup will close.  To install ",
                        ProductTitle, ", you must accept this agreement."});
    SetDlgItemTextA(page, IDC_QUESTION, question);
    char agreement[14500] = "";
    for (UINT id : kAgreementPieces) {
        char piece[2048];
        LoadStringA(Instance, id, piece, sizeof piece);
        if (!AppendTo(agreement, piece)) break;
    }
    SetDlgItemTextA(page, IDC_AGREEMENT, agreement);
}

}  // namespace

// Escape, or closing the page, is the same as Cancel.
INT_PTR CALLBACK WelcomePageProc(HWND page, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG) {
        InitialiseWelcome(page);
        return TRUE;
    }
    if (msg != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_NEXT:
        EndDialog(page, kWelcomeNext);
        return TRUE;
    case IDC_CANCEL:
    case IDCANCEL:
        if (ConfirmExit(page)) EndDialog(page, kWelcomeQuit);
        return TRUE;
    default:
        return FALSE;
    }
}

// Escape, or closing the page, is the same as Decline.
INT_PTR CALLBACK LicensePageProc(HWND page, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG) {
        InitialiseLicense(page);
        return TRUE;
    }
    if (msg != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_ACCEPT:
        EndDialog(page, kLicenseAccept);
        return TRUE;
    case IDC_DECLINE:
    case IDCANCEL:
        EndDialog(page, kLicenseDecline);
        return TRUE;
    case IDC_BACK:
        EndDialog(page, kLicenseBack);
        return TRUE;
    default:
        return FALSE;
    }
}
