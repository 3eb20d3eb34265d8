#include "ButtonKindTable.h"

#include <array>

namespace wuziqi {

namespace {

constexpr std::array<TButtonKindEntry, kButtonKindCount> kKinds = {{
    {"", "", 0},  // bkCustom keeps what the button has
    {"XPBOK", "确定", 1},
    {"XPBCANCEL", "取消", 2},
    {"XPBHELP", "帮助", 0},
    {"XPBYES", "是", 6},
    {"XPBNO", "否", 7},
    {"XPBCLOSE", "关闭", 0},
    {"XPBABORT", "放弃", 3},
    {"XPBRETRY", "重试", 4},
    {"XPBIGNORE", "忽略", 5},
    {"XPBALL", "全部", 8},
    {"XPOpen", "打开", 0},
    {"XPNew", "新建", 0},
    {"XPCopy", "复制", 0},
    {"XPCut", "剪切", 0},
    {"XPEdit", "修改", 0},
    {"XPDelete", "删除", 0},
    {"XPPaste", "粘贴", 0},
    {"XPFind", "查找", 0},
    {"XPUndo", "撤消", 0},
    {"XPRedo", "重做", 0},
    {"XPSave", "保存", 0},
    {"XPCheck", "检查", 0},
    {"XPPrinter", "打印", 0},
    {"XPExit", "退出", 0},
    {"XPHelp", "帮助", 0},
    {"XPAbout", "关于", 0},
    {"XPCalculate", "计算", 0},
    {"XPSearch", "查找", 0},
    {"XPInformation", "信息", 0},
    {"XPPassWord", "口令", 0},
    {"XPStart", "第一条", 0},
    {"XPPrevious", "前一条", 0},
    {"XPNext", "后一条", 0},
    {"XPEnd", "末一条", 0},
    {"XPQuestion", "问题", 0},
    {"XPSaveTo", "另存为", 0},
    {"XPChart", "图表", 0},
    {"XPDesign", "设计", 0},
    {"XPPreview", "预览", 0},
    {"XPRefresh", "刷新", 0},
    {"XPPropertiy", "属性", 0},
    {"XPAddNew", "录入", 0},
    {"XPAcduit", "审核", 0},
    {"XPLink", "链接", 0},
    {"XPAccount", "记账", 0},
    {"XPHome", "主页", 0},
    {"XPTools", "设置", 0},
    {"XPError", "终止", 0},
    {"XPBuild", "生成", 0},
    {"XPLoad", "载入", 0},
}};

}  // namespace

const TButtonKindEntry& ButtonKindEntry(TButtonKind kind) {
    return kKinds.at(static_cast<std::size_t>(kind));
}

int ButtonKindGlyphCount(TButtonKind kind) {
    return kind >= bkOK && kind <= bkAll ? 2 : 1;
}

QString ButtonKindResourcePath(TButtonKind kind, int scale) {
    const QString path =
        QStringLiteral(":/") + QString::fromLatin1(ButtonKindEntry(kind).resourceName).toUpper();
    return scale == 1 ? path : path + QStringLiteral("@%1x").arg(scale);
}

}  // namespace wuziqi
