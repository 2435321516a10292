; The Start-menu shortcut to the desktop program, and its entry in
; Explorer's "Send to" menu, both started in the user's
; Documents folder: a relative output name is then written there, not into
; Program Files. The shortcut's start folder is $OUTDIR when it is made.
; The shell expands %USERPROFILE% for whoever starts the program, as in
; Windows' own shortcuts; the installer's $DOCUMENTS would be the
; administrator's folder, or the public one.
; Files sent to the program reach one window, all of them as its
; arguments, where "Open with" starts the program once for each file.
; "Send to" is the installing user's: Windows has none for all users.

!macro IobCreateShortcut
  Push $OUTDIR
  StrCpy $OUTDIR "%USERPROFILE%\Documents"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\IobToQuorvane.lnk" "$INSTDIR\IobToQuorvane.exe"
  CreateShortCut "$SENDTO\IobToQuorvane.lnk" "$INSTDIR\IobToQuorvane.exe"
  Pop $OUTDIR
!macroend

; $MUI_TEMP names the Start-menu folder where the uninstaller deletes it.
!macro IobDeleteShortcut
  Delete "$SMPROGRAMS\$MUI_TEMP\IobToQuorvane.lnk"
  Delete "$SENDTO\IobToQuorvane.lnk"
!macroend
