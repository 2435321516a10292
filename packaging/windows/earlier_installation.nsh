; A second run of the installer installs over the earlier installation, in
; its folder. Installed into another folder, the first one's files and
; shortcuts would stay on the machine, no longer listed among the installed
; programs and never removed. The folder is the one the installer stores
; under its own key, IOB_INSTALL_KEY (defined with the installer's
; settings), which the uninstaller deletes. SHCTX is the machine's key for
; an administrator's installation, the user's otherwise, as it was when the
; key was written.

Var IobEarlierFolder

!macro IobReadEarlierFolder
  ReadRegStr $IobEarlierFolder SHCTX "${IOB_INSTALL_KEY}" ""
!macroend

; The directory page's pre function: with an earlier installation there is
; no folder to choose, so the page is left out.
Function IobSkipDirectoryPage
  !insertmacro IobReadEarlierFolder
  StrCmp $IobEarlierFolder "" done
    StrCpy $INSTDIR $IobEarlierFolder
    Abort
  done:
FunctionEnd

; First in the installation, when SetOutPath has just made the folder
; given: a silent installation shows no pages, and /D may name another
; folder. That folder goes again when nothing else is in it, once it is no
; longer the working folder, which SetOutPath also sets.
!macro IobInstallOverEarlierFolder
  !insertmacro IobReadEarlierFolder
  StrCmp $IobEarlierFolder "" iob_install_here
  StrCmp $IobEarlierFolder $INSTDIR iob_install_here
    SetOutPath $IobEarlierFolder
    RMDir $INSTDIR
    StrCpy $INSTDIR $IobEarlierFolder
  iob_install_here:
!macroend
