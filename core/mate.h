// Check and mate detection: the two mate tests, an upper piece reaching the lower king, escape squares.
#pragma once

int 詰めかCOM();
int 詰めかMAN();
int 詰めかMAN_COM移動();
int 調査_自王逃道();
