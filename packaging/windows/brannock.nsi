; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: installs Brannock for all users under Program Files, with a Start-menu
; shortcut and an entry in "Programs and Features"; /S installs and uninstalls silently.
; Built by CMake (packaging/windows/CMakeLists.txt), which defines VERSION, EXE, LICENSE_FILE,
; ICON and OUTFILE.
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include x64.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brannock"

Name "Brannock"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Brannock"
BrandingText "Brannock ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Brannock"
    SetOutPath "$INSTDIR"
    File "/oname=brannock.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENSE_FILE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Brannock.lnk" "$INSTDIR\brannock.exe" "" \
        "$INSTDIR\brannock.exe" 0 SW_SHOWNORMAL "" "附合水准路线的简易平差"

    WriteRegStr HKLM "${KEY}" "DisplayName" "Brannock"
    WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${KEY}" "Publisher" "Brannock"
    WriteRegStr HKLM "${KEY}" "Comments" "附合水准路线的简易平差"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\brannock.exe"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Brannock.lnk"
    Delete "$INSTDIR\brannock.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${KEY}"
SectionEnd
