// The settings file and the option menus.
#pragma once

void 読込_環境設定ファイル();
void 書込_環境設定ファイル();
void チェック設定(int n);
void MIDORI_Click();
void TATAMI_Click();
void TAKE_Click();
void UCHU_Click();
void RENGA_Click();
void SIDOU_Click();
void BGM_Click();
void OPTION_Click();
