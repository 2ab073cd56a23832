; The Windows installer of PlanTransit: a 64-bit NSIS installer for all users,
; built by scripts/release with
;   makensis -DVERSION=1.0.8 -DSTAGE=<folder of the files> -DRESOURCES=<resources/>
;            -DOUTFILE=<setup.exe> PlanTransit.nsi
; It installs into Program Files\PlanTransit, adds a Start-menu shortcut and an
; entry under Add/Remove Programs; "/S" installs and uninstalls silently.
; Settings live per user in %APPDATA%\PlanTransit, outside the installation, so
; uninstalling keeps them.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "PlanTransit"
!define PUBLISHER "The PlanTransit developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\PlanTransit"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; Program Files is written only with an administrator's rights; Windows asks.
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) ${PUBLISHER}. MIT License."

!define MUI_ICON "${RESOURCES}/PlanTransit.ico"
!define MUI_UNICON "${RESOURCES}/PlanTransit.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\PlanTransit.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Every file the installation holds, for the install and the uninstall alike.
!macro InstalledFiles Command
  !insertmacro ${Command} "PlanTransit.exe"
  !insertmacro ${Command} "plantransit-convert.exe"
  !insertmacro ${Command} "Fsb_apts.txt"
  !insertmacro ${Command} "PlanTransit.AVI"
  !insertmacro ${Command} "help.html"
  !insertmacro ${Command} "README.txt"
  !insertmacro ${Command} "LICENSE.txt"
  !insertmacro ${Command} "THIRD-PARTY-NOTICES.txt"
!macroend
!macro InstallFile Name
  File "${STAGE}/${Name}"
!macroend
!macro RemoveFile Name
  Delete "$INSTDIR\${Name}"
!macroend

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "PlanTransit"
  SetOutPath "$INSTDIR"
  !insertmacro InstalledFiles InstallFile
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\PlanTransit.exe" "" "$INSTDIR\PlanTransit.exe" 0 \
    SW_SHOWNORMAL "" "Convert FliteStar flight plans for flight simulators"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\PlanTransit.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Add/Remove Programs shows the size in KiB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes exactly what was installed: a folder that still holds files of the
; user's (a PlanTransit.cfg put there, say) is left with them.
Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro InstalledFiles RemoveFile
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
