; The Windows installer of Vantrax Editor, made by scripts/windows/package.sh with
;   makensis -DVERSION=<x.y.z> -DSTAGE=<installed files> -DINSTALLED_FILES=<their removal, .nsh>
;            -DICON=<.ico> -DOUTFILE=<setup.exe> installer.nsi
; It installs both programs for all users into "Program Files\Vantrax Editor", with a Start menu
; entry and the association of *.tweak files; "/S" installs without questions. The uninstaller
; removes what was installed and leaves each user's stored values in %APPDATA% alone.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define PRODUCT "Vantrax Editor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define TWEAK_TYPE "VantraxEditor.tweak"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "CompanyName" "The Vantrax Editor developers"
VIAddVersionKey "LegalCopyright" "The Vantrax Editor developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "${PRODUCT}"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\vantrax-editor.exe" "" "$INSTDIR\vantrax-editor.exe" 0

  ; A tweak file opens in the tweak editor.
  WriteRegStr HKLM "Software\Classes\.tweak" "" "${TWEAK_TYPE}"
  WriteRegStr HKLM "Software\Classes\${TWEAK_TYPE}" "" "Orvanthe tweak file"
  WriteRegStr HKLM "Software\Classes\${TWEAK_TYPE}\DefaultIcon" "" "$INSTDIR\vantrax-editor.exe,0"
  WriteRegStr HKLM "Software\Classes\${TWEAK_TYPE}\shell\open\command" "" '"$INSTDIR\vantrax-editor.exe" "%1"'
  ; Tells Explorer that an association changed (SHCNE_ASSOCCHANGED).
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Vantrax Editor developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantrax-editor.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  ; Only the files this installer put there, so nothing else in the folder is lost.
  !include "${INSTALLED_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  ReadRegStr $0 HKLM "Software\Classes\.tweak" ""
  StrCmp $0 "${TWEAK_TYPE}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.tweak"
  DeleteRegKey HKLM "Software\Classes\${TWEAK_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
