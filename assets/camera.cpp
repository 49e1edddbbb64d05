#include "assets/camera.h"

CameraRecord Camera = {{0, 0, 0}, {0, 0, 0}, {0, 1, 0}};
CVector3 HeroPosition = {0, 0, 0};
CVector3 HeroRotation = {0, 0, 0};
