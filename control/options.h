// The options menu: the backgrounds, guidance, the music; each choice is written to the settings file.
#pragma once

void paint_background_setting(int n); // checks background n in the menu and paints it
void MIDORI_Click();
void TATAMI_Click();
void TAKE_Click();
void UCHU_Click();
void RENGA_Click();
void SIDOU_Click();
void BGM_Click();
void OPTION_Click();
