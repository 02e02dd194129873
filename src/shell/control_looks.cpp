#include "shell/control_looks.h"

namespace shell {

Look LookOf(Control c) {
    constexpr Look kLoginLabel{FontFace::NSimSunBold, {0, 0, 0}, true, Frame::RaisedDouble, Align::Centre};
    switch (c) {
        case Control::标签1:
            return kLoginLabel;
        case Control::标签2: {
            Look l = kLoginLabel;
            l.text = {255, 0, 0};
            return l;
        }
        case Control::标签3: {
            Look l = kLoginLabel;
            l.text = {255, 128, 0};
            return l;
        }
        case Control::标签5:
            return {FontFace::Default, {0, 0, 0}, false, Frame::ThinLine, Align::Centre};
        case Control::按钮1:
            return {FontFace::SimSunBold};
        case Control::进入游戏:
            return {FontFace::NSimSunBold};
        case Control::分组框1:
            return {FontFace::Default, kGroupCaption};
        case Control::超级链接框1:
            return {FontFace::NSimSunBold, kLinkNormal, false, Frame::None, Align::Centre};
        default:
            return {};
    }
}

}  // namespace shell
