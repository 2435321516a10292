// How far the progress bar of a conversion stands.
#pragma once

// The bar's steps, of kProgressRange (dialog_templates.h), when `pass` (1
// to 3) has read `share` (0 to 1) of the file: every pass reads the whole
// file, so each fills a third of the bar.
int ProgressSteps(int pass, double share);
