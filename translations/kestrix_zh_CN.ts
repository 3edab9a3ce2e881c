<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutConnortller</name>
    <message>
        <source>No mouse is connected.</source>
        <translation>未连接鼠标。</translation>
    </message>
    <message>
        <source>The emulated mouse (kx-virtual-mouse) is in use.</source>
        <translation>正在使用模拟鼠标（kx-virtual-mouse）。</translation>
    </message>
    <message>
        <source>The Kestrix mouse on USB is in use.</source>
        <translation>正在使用通过 USB 连接的 Kestrix 鼠标。</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>关于 Kestrix 鼠标</translation>
    </message>
    <message>
        <source>Version %1 &amp;middot; MIT licence&lt;br&gt;&lt;br&gt;</source>
        <translation>版本 %1 &amp;middot; MIT 许可证&lt;br&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Profiles and macros</source>
        <translation>配置文件和宏</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
</context>
<context>
    <name>AboutView</name>
    <message>
        <source>The program&apos;s version and where it comes from.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>本程序的版本及来源。</translation>
    </message>
    <message>
        <source>KESTRIX MOUSE</source>
        <extracomment>the window&apos;s title, 392 points wide</extracomment>
        <translation>KESTRIX 鼠标</translation>
    </message>
    <message>
        <source>Configuration of the Kestrix gaming mouse</source>
        <extracomment>a line of text, 392 points wide</extracomment>
        <translation>Kestrix 游戏鼠标配置</translation>
    </message>
    <message>
        <source>Kestrix Mouse</source>
        <extracomment>the name a screen reader says for appIcon</extracomment>
        <translation>Kestrix 鼠标</translation>
    </message>
    <message>
        <source>About the program</source>
        <extracomment>the name a screen reader says for infoTxt</extracomment>
        <translation>关于本程序</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AppChooserView</name>
    <message>
        <source>Chooses the application whose coming to the front switches the mouse&apos;s profile.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>选择一个应用程序：它来到前台时，鼠标的配置文件随之切换。</translation>
    </message>
    <message>
        <source>APPLICATION FOR A RULE</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>规则的应用程序</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>已安装的应用程序</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>筛选应用程序</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix 鼠标</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <source>Application menu</source>
        <translation>应用程序菜单</translation>
    </message>
    <message>
        <source>About Kestrix Mouse</source>
        <translation>关于 Kestrix 鼠标</translation>
    </message>
    <message>
        <source>Export set-up…</source>
        <translation>导出设置…</translation>
    </message>
    <message>
        <source>Import set-up…</source>
        <translation>导入设置…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Application rules…</source>
        <translation>应用程序规则…</translation>
    </message>
</context>
<context>
    <name>AppRulesView</name>
    <message>
        <source>Profile %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <extracomment>the name a screen reader says for addBtn</extracomment>
        <translation>添加规则</translation>
    </message>
    <message>
        <source>Installed application…</source>
        <translation>已安装的应用程序…</translation>
    </message>
    <message>
        <source>The application in front before this window</source>
        <translation>在此窗口之前位于前台的应用程序</translation>
    </message>
    <message>
        <source>Asking the background program about this desktop…</source>
        <translation>正在向后台程序询问此桌面的情况…</translation>
    </message>
    <message>
        <source>The background program is not running, so the rules do not act now. They are kept for when it runs.</source>
        <translation>后台程序未运行，因此规则现在不起作用。规则会保留，待其运行时生效。</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front: the rules act once they are saved.</source>
        <translation>此桌面会告知哪个应用程序位于前台：规则保存后即生效。</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: GNOME on Wayland does not tell other programs which window is in front.</source>
        <translation>此桌面不支持应用程序规则：Wayland 上的 GNOME 不会告诉其他程序哪个窗口位于前台。</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop: its Wayland compositor does not tell other programs which window is in front.</source>
        <translation>此桌面不支持应用程序规则：其 Wayland 合成器不会告诉其他程序哪个窗口位于前台。</translation>
    </message>
    <message>
        <source>Application rules are not available: the background program has no display to watch.</source>
        <translation>应用程序规则不可用：后台程序没有可监视的显示。</translation>
    </message>
    <message>
        <source>Application rules are not available on this desktop (%1).</source>
        <translation>此桌面不支持应用程序规则（%1）。</translation>
    </message>
    <message>
        <source>The rules in the preferences could not be read:
%1</source>
        <translation>无法读取首选项中的规则：
%1</translation>
    </message>
    <message>
        <source>%1, profile %2</source>
        <translation>%1，配置文件 %2</translation>
    </message>
    <message>
        <source>%1, not installed, profile %2</source>
        <translation>%1，未安装，配置文件 %2</translation>
    </message>
    <message>
        <source>There are %1 rules already, as many as are kept.</source>
        <translation>已有 %1 条规则，已达保存上限。</translation>
    </message>
    <message>
        <source>“%1” cannot be a rule&apos;s application: it %2.</source>
        <translation>“%1”不能作为规则的应用程序：它%2。</translation>
    </message>
    <message>
        <source>The background program is not running, so it cannot tell which application was in front.</source>
        <translation>后台程序未运行，因此无法告知哪个应用程序曾位于前台。</translation>
    </message>
    <message>
        <source>The background program does not know yet which application was in front. Bring that application to the front, then come back and add it.</source>
        <translation>后台程序还不知道哪个应用程序曾位于前台。请先将该应用程序切换到前台，再回来添加。</translation>
    </message>
    <message>
        <source>The background program named an application that cannot be a rule&apos;s: its name %1.</source>
        <translation>后台程序给出的应用程序不能用于规则：其名称%1。</translation>
    </message>
    <message>
        <source>The application rules in the preferences could not be read:
%1
Start over with no rules? The broken ones are replaced only when you press OK.</source>
        <translation>无法读取首选项中的应用程序规则：
%1
要不带任何规则重新开始吗？只有在您按“确定”后，损坏的规则才会被替换。</translation>
    </message>
    <message>
        <source>The rules were not saved: %1. They stay here as you set them; OK tries again.</source>
        <translation>规则未保存：%1。它们会按您的设置保留在此处；按“确定”可重试。</translation>
    </message>
    <message>
        <source>Makes the mouse&apos;s profile follow the application in front, by rules of the user&apos;s.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>按用户自己的规则，让鼠标的配置文件跟随前台应用程序。</translation>
    </message>
    <message>
        <source>APPLICATION RULES</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>应用程序规则</translation>
    </message>
    <message>
        <source>RULES</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>规则</translation>
    </message>
    <message>
        <source>PROFILE OF THE SELECTED APPLICATION</source>
        <extracomment>a caption over controls, 340 points wide</extracomment>
        <translation>所选应用程序的配置文件</translation>
    </message>
    <message>
        <source>ANY OTHER APPLICATION IN FRONT</source>
        <extracomment>a caption over controls, 400 points wide</extracomment>
        <translation>前台的任何其他应用程序</translation>
    </message>
    <message>
        <source>Switch profiles by the application in front</source>
        <extracomment>the label of the control enabledChk, 492 points wide (English uses 247)</extracomment>
        <translation>按前台应用程序切换配置文件</translation>
    </message>
    <message>
        <source>On this desktop</source>
        <extracomment>the name a screen reader says for availabilityLbl</extracomment>
        <translation>在此桌面上</translation>
    </message>
    <message>
        <source>ADD…</source>
        <extracomment>the label of the control addBtn, 96 points wide (English uses 40)</extracomment>
        <translation>添加…</translation>
    </message>
    <message>
        <source>Chooses an installed application, or the one in front before this window</source>
        <extracomment>what a screen reader says addBtn does</extracomment>
        <translation>选择一个已安装的应用程序，或在此窗口之前位于前台的应用程序</translation>
    </message>
    <message>
        <source>Rules</source>
        <extracomment>the name a screen reader says for ruleList</extracomment>
        <translation>规则</translation>
    </message>
    <message>
        <source>Each application and its profile; keys 1 to 5 set the profile, Delete removes the rule</source>
        <extracomment>what a screen reader says ruleList does</extracomment>
        <translation>每个应用程序及其配置文件；按 1 到 5 设置配置文件，按 Delete 删除规则</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for ruleProfile1Btn</extracomment>
        <translation>配置文件 1</translation>
    </message>
    <message>
        <source>Profile of the selected application</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>所选应用程序的配置文件</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <extracomment>the name a screen reader says for ruleProfile2Btn</extracomment>
        <translation>配置文件 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <extracomment>the name a screen reader says for ruleProfile3Btn</extracomment>
        <translation>配置文件 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <extracomment>the name a screen reader says for ruleProfile4Btn</extracomment>
        <translation>配置文件 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <extracomment>the name a screen reader says for ruleProfile5Btn</extracomment>
        <translation>配置文件 5</translation>
    </message>
    <message>
        <source>REMOVE</source>
        <extracomment>the label of the control removeBtn, 96 points wide (English uses 56)</extracomment>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove the selected rule</source>
        <extracomment>the name a screen reader says for removeBtn</extracomment>
        <translation>删除所选规则</translation>
    </message>
    <message>
        <source>UNCHANGED</source>
        <extracomment>the label of the control otherwiseKeepBtn, 140 points wide (English uses 84)</extracomment>
        <translation>不变</translation>
    </message>
    <message>
        <source>Otherwise</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>否则</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>No rules yet: “Add…” makes one.</source>
        <translation>还没有规则：“添加…”可创建一条。</translation>
    </message>
    <message>
        <source>Otherwise unchanged</source>
        <extracomment>the name a screen reader says for otherwiseKeepBtn</extracomment>
        <translation>否则不变</translation>
    </message>
    <message>
        <source>Otherwise profile 1</source>
        <extracomment>the name a screen reader says for otherwise1Btn</extracomment>
        <translation>否则配置文件 1</translation>
    </message>
    <message>
        <source>Otherwise profile 2</source>
        <extracomment>the name a screen reader says for otherwise2Btn</extracomment>
        <translation>否则配置文件 2</translation>
    </message>
    <message>
        <source>Otherwise profile 3</source>
        <extracomment>the name a screen reader says for otherwise3Btn</extracomment>
        <translation>否则配置文件 3</translation>
    </message>
    <message>
        <source>Otherwise profile 4</source>
        <extracomment>the name a screen reader says for otherwise4Btn</extracomment>
        <translation>否则配置文件 4</translation>
    </message>
    <message>
        <source>Otherwise profile 5</source>
        <extracomment>the name a screen reader says for otherwise5Btn</extracomment>
        <translation>否则配置文件 5</translation>
    </message>
</context>
<context>
    <name>CreateMacro</name>
    <message>
        <source>Names a new macro for the macro editor.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>为宏编辑器中的新宏命名。</translation>
    </message>
    <message>
        <source>NEW MACRO</source>
        <extracomment>the window&apos;s title, 260 points wide</extracomment>
        <translation>新建宏</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>名称</translation>
    </message>
    <message>
        <source>Name of the new macro</source>
        <extracomment>the name a screen reader says for nameTxt</extracomment>
        <translation>新宏的名称</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CreateMacroView</name>
    <message>
        <source>Macro name</source>
        <translation>宏名称</translation>
    </message>
</context>
<context>
    <name>HvAction</name>
    <message>
        <source>is damaged at offset %1: %2</source>
        <extracomment>Why a file cannot be loaded, said after &quot;the file&quot; (&quot;Fire.mac cannot be loaded: the file is not an archive of this program&quot;).</extracomment>
        <translation>在偏移量 %1 处已损坏：%2</translation>
    </message>
    <message>
        <source>is not an archive of this program</source>
        <translation>不是本程序的存档</translation>
    </message>
    <message>
        <source>has an archive version this program does not read</source>
        <translation>使用了本程序无法读取的存档版本</translation>
    </message>
    <message>
        <source>holds no object</source>
        <translation>不包含任何对象</translation>
    </message>
</context>
<context>
    <name>HvKey</name>
    <message>
        <source>Enter</source>
        <translation>回车</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Right Super</source>
        <translation>右 Super</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Right Shift</source>
        <translation>右 Shift</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>右 Alt</translation>
    </message>
    <message>
        <source>Right Ctrl</source>
        <translation>右 Ctrl</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>小键盘回车</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单键</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>上翻页</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>下翻页</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左箭头</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右箭头</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下箭头</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上箭头</translation>
    </message>
    <message>
        <source>Key %1</source>
        <extracomment>A key without a name: its code, as &quot;0x7F&quot;.</extracomment>
        <translation>按键 %1</translation>
    </message>
</context>
<context>
    <name>HvMenulist</name>
    <message>
        <source>Menu list</source>
        <translation>菜单列表</translation>
    </message>
</context>
<context>
    <name>HvMessageBox</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix 鼠标</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KestrixDeamon</name>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>未知选项 %1（参见 --help）</translation>
    </message>
    <message>
        <source>already running for this user (%1 is taken)</source>
        <translation>已在为此用户运行（%1 已被占用）</translation>
    </message>
</context>
<context>
    <name>KxAction</name>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
</context>
<context>
    <name>KxAppRules</name>
    <message>
        <source>names no application</source>
        <translation>未指明任何应用程序</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>包含控制字符</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>超过 %1 个字符</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>不是对象</translation>
    </message>
    <message>
        <source>is not a field of the rules</source>
        <translation>不是规则的字段</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>不是 true 或 false</translation>
    </message>
    <message>
        <source>is not a list</source>
        <translation>不是列表</translation>
    </message>
    <message>
        <source>holds %1 rules; at most %2 are kept</source>
        <translation>包含 %1 条规则；最多保留 %2 条</translation>
    </message>
    <message>
        <source>is not a field of a rule</source>
        <translation>不是规则的字段</translation>
    </message>
    <message>
        <source>is not a name</source>
        <translation>不是名称</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a rule already</source>
        <translation>“%1”已有规则</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5, or 0 to leave it as it is)</source>
        <translation>不是鼠标的配置文件（1 到 5，或 0 表示保持不变）</translation>
    </message>
    <message>
        <source>the rules could not be written to %1</source>
        <translation>无法将规则写入 %1</translation>
    </message>
    <message>
        <source>is not a profile of the mouse (1 to 5)</source>
        <translation>不是鼠标的配置文件（1 到 5）</translation>
    </message>
</context>
<context>
    <name>KxAppRulesUpdate</name>
    <message>
        <source>the application rules in the preferences cannot be read: %1. Correct it, or delete the [ApplicationRules] section of %2 to start again without rules</source>
        <extracomment>%1: where and what is wrong (&quot;com.vlak.KxOption.conf [ApplicationRules] rules<byte value="x2"/>profile: is not a profile of the mouse (1 to 5)&quot;); %2: the preferences file.</extracomment>
        <translation>无法读取首选项中的应用程序规则：%1。请更正，或删除 %2 中的 [ApplicationRules] 部分以在没有规则的情况下重新开始</translation>
    </message>
</context>
<context>
    <name>KxCtl</name>
    <message>
        <source>kxctl help [COMMAND]
  How to use kxctl, or one of its commands.
</source>
        <translation>kxctl help [COMMAND]
  kxctl 或其某个命令的用法。
</translation>
    </message>
    <message>
        <source>kxctl [--json] list
  The attached mice, each with its USB location and the profile it reports
  as active. None attached is an empty list.
</source>
        <translation>kxctl [--json] list
  列出已连接的鼠标，以及各自的 USB 位置和鼠标报告的当前配置文件。
  未连接鼠标时列表为空。
</translation>
    </message>
    <message>
        <source>kxctl [--json] show [--profile N | --all]
  The settings and the buttons of the active profile, of profile N (1..5), or
  of all five, as the mouse holds them.
</source>
        <translation>kxctl [--json] show [--profile N | --all]
  显示鼠标中保存的当前配置文件、配置文件 N（1..5）或全部五个配置文件的
  设置和按键。
</translation>
    </message>
    <message>
        <source>kxctl profile [--dry-run] N
  Makes profile N (1..5) the active one.
</source>
        <translation>kxctl profile [--dry-run] N
  将配置文件 N（1..5）设为当前配置文件。
</translation>
    </message>
    <message>
        <source>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  Sets the DPI of stage STAGE (1..4) to VALUE (100..3500, in steps of 100).
  The mouse keeps one set of stages for all its profiles.
</source>
        <translation>kxctl dpi [--profile N] [--dry-run] STAGE VALUE
  将档位 STAGE（1..4）的 DPI 设为 VALUE（100..3500，步长 100）。
  鼠标的所有配置文件共用一组档位。
</translation>
    </message>
    <message>
        <source>kxctl stage [--dry-run] N
  Makes DPI stage N (1..4) the active one.
</source>
        <translation>kxctl stage [--dry-run] N
  将 DPI 档位 N（1..4）设为当前档位。
</translation>
    </message>
    <message>
        <source>kxctl rate [--dry-run] 125|500|1000
  Sets the polling rate in Hz.
</source>
        <translation>kxctl rate [--dry-run] 125|500|1000
  设置回报率（单位为 Hz）。
</translation>
    </message>
    <message>
        <source>kxctl light [--dry-run] logo|wheel on|off
  Switches the logo&apos;s or the wheel&apos;s light.
</source>
        <translation>kxctl light [--dry-run] logo|wheel on|off
  打开或关闭 Logo 灯或滚轮灯。
</translation>
    </message>
    <message>
        <source>kxctl button [--profile N] [--dry-run] B ACTION
  Sets what button B does (1..5, or left, right, middle, side1, side2), in
  the active profile or profile N. ACTION is one of:
    default                the profile&apos;s built-in function
    function NAME          a function of the catalogue (&quot;Left Click&quot;, &quot;F5&quot;)
    macro NAME [--mode once|repeat N|hold|toggle]
                           a macro of the library
    launch PATH|APP-ID     an application: a file, or an installed one&apos;s id
</source>
        <translation>kxctl button [--profile N] [--dry-run] B ACTION
  设置当前配置文件或配置文件 N 中按键 B（1..5，或 left、right、middle、
  side1、side2）的功能。ACTION 为以下之一：
    default                配置文件的内置功能
    function NAME          功能目录中的功能（&quot;Left Click&quot;、&quot;F5&quot;）
    macro NAME [--mode once|repeat N|hold|toggle]
                           宏库中的宏
    launch PATH|APP-ID     应用程序：一个文件，或已安装应用程序的 ID
</translation>
    </message>
    <message>
        <source>kxctl macro list|show|import|export ...
  The macro library: kxctl help macro list, and so on.
</source>
        <translation>kxctl macro list|show|import|export ...
  管理宏库：详见 kxctl help macro list 等。
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro list
  The macros of the library.
</source>
        <translation>kxctl [--json] macro list
  列出宏库中的宏。
</translation>
    </message>
    <message>
        <source>kxctl [--json] macro show NAME
  A macro&apos;s steps.
</source>
        <translation>kxctl [--json] macro show NAME
  显示宏的步骤。
</translation>
    </message>
    <message>
        <source>kxctl macro import [--dry-run] FILE.mac
  Adds a macro file to the library, named by the file.
</source>
        <translation>kxctl macro import [--dry-run] FILE.mac
  将宏文件添加到宏库，以文件名作为宏名称。
</translation>
    </message>
    <message>
        <source>kxctl macro export NAME FILE.mac
  Saves a macro as a file (- for standard output).
</source>
        <translation>kxctl macro export NAME FILE.mac
  将宏保存为文件（- 表示标准输出）。
</translation>
    </message>
    <message>
        <source>kxctl export FILE
  The whole set-up as a file: a file is replaced whole; a FIFO, a terminal or
  /dev/stdout is written as it is; - is standard output.
</source>
        <translation>kxctl export FILE
  将全部设置导出为文件：普通文件会被整个替换；FIFO、终端或
  /dev/stdout 则直接写入；- 表示标准输出。
</translation>
    </message>
    <message>
        <source>kxctl import [--profiles 1,3] [--dry-run] FILE
  Writes a set-up file into the mouse, all of it or the profiles named
  (- reads standard input); --dry-run prints what would change.
</source>
        <translation>kxctl import [--profiles 1,3] [--dry-run] FILE
  将设置文件写入鼠标，可以写入全部内容，也可以只写入指定的配置文件
  （- 表示从标准输入读取）；--dry-run 显示将会进行的更改。
</translation>
    </message>
    <message>
        <source>--device takes a mouse: its number, location or serial number as kxctl list shows them</source>
        <translation>--device 需要指定一个鼠标：使用 kxctl list 显示的编号、位置或序列号</translation>
    </message>
    <message>
        <source>--profile takes a profile number, 1 to 5</source>
        <translation>--profile 需要配置文件编号（1 到 5）</translation>
    </message>
    <message>
        <source>--profiles takes profile numbers, as in 1,3</source>
        <translation>--profiles 需要配置文件编号，例如 1,3</translation>
    </message>
    <message>
        <source>--mode takes once, repeat N, hold or toggle</source>
        <translation>--mode 的值须为 once、repeat N、hold 或 toggle</translation>
    </message>
    <message>
        <source>--mode repeat takes a count, as in --mode repeat 3</source>
        <translation>--mode repeat 需要次数，例如 --mode repeat 3</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>there is no command %1</source>
        <translation>没有命令 %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>macro takes list, show, import or export</source>
        <translation>macro 后须接 list、show、import 或 export</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>未知命令 %1</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <translation>%1 不接受 --%2 选项</translation>
    </message>
    <message>
        <source>%1: too few arguments</source>
        <translation>%1：参数过少</translation>
    </message>
    <message>
        <source>%1: too many arguments</source>
        <translation>%1：参数过多</translation>
    </message>
    <message>
        <source>show takes --profile N or --all, not both</source>
        <translation>show 只能使用 --profile N 或 --all 其中之一，不能同时使用</translation>
    </message>
    <message>
        <source>--mode goes with button B macro NAME</source>
        <translation>--mode 只能与 button B macro NAME 一起使用</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>按下 %1</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>松开 %1</translation>
    </message>
    <message>
        <source>insert %1</source>
        <translation>执行 %1</translation>
    </message>
    <message>
        <source>(unknown command)</source>
        <translation>（未知命令）</translation>
    </message>
    <message>
        <source>press left button</source>
        <translation>按下左键</translation>
    </message>
    <message>
        <source>press right button</source>
        <translation>按下右键</translation>
    </message>
    <message>
        <source>press middle button</source>
        <translation>按下中键</translation>
    </message>
    <message>
        <source>release left button</source>
        <translation>松开左键</translation>
    </message>
    <message>
        <source>release right button</source>
        <translation>松开右键</translation>
    </message>
    <message>
        <source>release middle button</source>
        <translation>松开中键</translation>
    </message>
    <message>
        <source>unknown step</source>
        <translation>未知步骤</translation>
    </message>
    <message>
        <source>standard output cannot be written: %1</source>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>no mouse is attached</source>
        <translation>未连接鼠标</translation>
    </message>
    <message>
        <source>mouse %1 went away</source>
        <translation>鼠标 %1 已断开连接</translation>
    </message>
    <message>
        <source>no attached mouse is %1 (kxctl list shows them)</source>
        <translation>已连接的鼠标中没有 %1（可用 kxctl list 查看）</translation>
    </message>
    <message>
        <source>%1 mice are attached: say which with --device N (kxctl list shows them)</source>
        <translation>已连接 %1 个鼠标：请用 --device N 指定要使用哪一个（可用 kxctl list 查看）</translation>
    </message>
    <message>
        <source>%1 mice are attached; this is mouse 1 (--device picks another)</source>
        <translation>已连接 %1 个鼠标；当前使用鼠标 1（可用 --device 选择其他鼠标）</translation>
    </message>
    <message>
        <source>waiting for the mouse: another program is using it...</source>
        <translation>正在等待鼠标：另一个程序正在使用它…</translation>
    </message>
    <message>
        <source>there is no session bus, so an open configuration window cannot be seen; if one is open, it shows the older values until it is opened again</source>
        <translation>没有会话总线，因此无法检测到已打开的配置窗口；如果配置窗口已打开，它会一直显示旧的值，直到重新打开</translation>
    </message>
    <message>
        <source>the configuration window (KxOption) is open and owns the mouse&apos;s settings: close it first, or run kxctl --wait to wait for it</source>
        <translation>配置窗口（KxOption）已打开并占用鼠标设置：请先关闭它，或运行 kxctl --wait 等待其关闭</translation>
    </message>
    <message>
        <source>emulated</source>
        <extracomment>How a mouse is attached, in kxctl list&apos;s column beside &quot;usb&quot;.</extracomment>
        <translation>模拟</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  (used by kxctl and the window)</source>
        <extracomment>kxctl list, one line per mouse: its number, how it is attached (&quot;usb&quot; or &quot;emulated&quot;), its USB location, its name, the profile it reports, then its serial number when it has one, and whether kxctl uses it. Keep the columns.</extracomment>
        <translation>%1  %2  %3  %4  当前配置文件 %5  （kxctl 和配置窗口使用此鼠标）</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5</source>
        <translation>%1  %2  %3  %4  当前配置文件 %5</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6  (used by kxctl and the window)</source>
        <translation>%1  %2  %3  %4  当前配置文件 %5  序列号 %6  （kxctl 和配置窗口使用此鼠标）</translation>
    </message>
    <message>
        <source>%1  %2  %3  %4  active profile %5  serial %6</source>
        <translation>%1  %2  %3  %4  当前配置文件 %5  序列号 %6</translation>
    </message>
    <message>
        <source>the mouse has profiles 1 to 5</source>
        <translation>鼠标的配置文件编号为 1 到 5</translation>
    </message>
    <message>
        <source>the mouse did not answer</source>
        <translation>鼠标未响应</translation>
    </message>
    <message>
        <source>Active profile: %1</source>
        <translation>当前配置文件：%1</translation>
    </message>
    <message>
        <source>DPI stages: %1 (stage %2 active)</source>
        <translation>DPI 档位：%1（当前为档位 %2）</translation>
    </message>
    <message>
        <source>Polling rate: %1 Hz</source>
        <translation>回报率：%1 Hz</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel on</source>
        <translation>灯光：Logo 灯开，滚轮灯开</translation>
    </message>
    <message>
        <source>Lights: logo on, wheel off</source>
        <translation>灯光：Logo 灯开，滚轮灯关</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel on</source>
        <translation>灯光：Logo 灯关，滚轮灯开</translation>
    </message>
    <message>
        <source>Lights: logo off, wheel off</source>
        <translation>灯光：Logo 灯关，滚轮灯关</translation>
    </message>
    <message>
        <source>Lock switch: locked</source>
        <translation>锁定开关：已锁定</translation>
    </message>
    <message>
        <source>Lock switch: unlocked</source>
        <translation>锁定开关：未锁定</translation>
    </message>
    <message>
        <source>Profile %1 (active)</source>
        <translation>配置文件 %1（当前）</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>profile takes a profile number, 1 to 5</source>
        <translation>profile 需要配置文件编号（1 到 5）</translation>
    </message>
    <message>
        <source>dpi takes a stage (1 to 4) and a DPI value</source>
        <translation>dpi 需要档位（1 到 4）和 DPI 值</translation>
    </message>
    <message>
        <source>the mouse has DPI stages 1 to 4</source>
        <translation>鼠标的 DPI 档位为 1 到 4</translation>
    </message>
    <message>
        <source>%1 DPI: a stage takes %2 to %3 DPI in steps of %4</source>
        <translation>%1 DPI：档位的取值范围为 %2 到 %3 DPI，步长 %4</translation>
    </message>
    <message>
        <source>the mouse keeps one set of DPI stages for all its profiles; profile %1 has it too</source>
        <translation>鼠标的所有配置文件共用一组 DPI 档位；配置文件 %1 也使用这组档位</translation>
    </message>
    <message>
        <source>stage takes a stage number, 1 to 4</source>
        <translation>stage 需要档位编号（1 到 4）</translation>
    </message>
    <message>
        <source>rate takes 125, 500 or 1000 (Hz)</source>
        <translation>rate 的值须为 125、500 或 1000（Hz）</translation>
    </message>
    <message>
        <source>the mouse runs at 125, 500 or 1000 Hz; it has no %1 Hz</source>
        <translation>鼠标的回报率只能是 125、500 或 1000 Hz，不支持 %1 Hz</translation>
    </message>
    <message>
        <source>light takes logo or wheel, then on or off</source>
        <translation>light 后须接 logo 或 wheel，再接 on 或 off</translation>
    </message>
    <message>
        <source>a button is 1 to 5, or left, right, middle, side1 or side2</source>
        <translation>按键须为 1 到 5，或 left、right、middle、side1、side2</translation>
    </message>
    <message>
        <source>button B takes default, function NAME, macro NAME or launch PATH</source>
        <translation>button B 后须接 default、function NAME、macro NAME 或 launch PATH</translation>
    </message>
    <message>
        <source>a repeat count is 1 to %1</source>
        <translation>重复次数须为 1 到 %1</translation>
    </message>
    <message>
        <source>the mouse repeats a macro at most 255 times</source>
        <translation>鼠标最多将宏重复 255 次</translation>
    </message>
    <message>
        <source>there is no file %1 and no application of that id is installed</source>
        <translation>文件 %1 不存在，也未安装该 ID 的应用程序</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>文件 %1 不存在</translation>
    </message>
    <message>
        <source>the path is %1 bytes long; the mouse&apos;s profile keeps %2 at most: %3</source>
        <translation>路径长 %1 字节，而鼠标配置文件最多只能保存 %2 字节：%3</translation>
    </message>
    <message>
        <source>profile %1 has no built-in default</source>
        <translation>配置文件 %1 没有内置默认功能</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was written</source>
        <translation>鼠标未响应；未写入任何内容</translation>
    </message>
    <message>
        <source>profile %1 would have no button left doing the left click; give it to another button first</source>
        <translation>配置文件 %1 将没有任何按键执行左键单击；请先将左键单击指定给另一个按键</translation>
    </message>
    <message>
        <source>Nothing to change: the mouse holds this already.</source>
        <translation>无需更改：鼠标中已是这些设置。</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>将进行以下更改：</translation>
    </message>
    <message>
        <source>The buttons not written are kept as changes not yet written; the window offers them when it opens.</source>
        <translation>未写入的按键将保留为尚未写入的更改；配置窗口打开时会提供这些更改。</translation>
    </message>
    <message>
        <source>Give the command again to write the settings.</source>
        <translation>请再次执行该命令以写入设置。</translation>
    </message>
    <message>
        <source>Give the command again to switch the profile.</source>
        <translation>请再次执行该命令以切换配置文件。</translation>
    </message>
    <message>
        <source>not everything was written</source>
        <translation>部分内容未写入</translation>
    </message>
    <message>
        <source>%1  (%2 steps, %3 on the mouse)</source>
        <translation>%1  （%2 个步骤，在鼠标上占 %3 步）</translation>
    </message>
    <message>
        <source>The library holds no macros.</source>
        <translation>宏库中没有宏。</translation>
    </message>
    <message>
        <source>%1: %2 steps, %3 on the mouse (a button holds %4)</source>
        <translation>%1：%2 个步骤，在鼠标上占 %3 步（每个按键最多 %4 步）</translation>
    </message>
    <message>
        <source>  %1  %2, then %3 ms</source>
        <extracomment>kxctl macro show, one line per step: its number, what it does (&quot;press A&quot;), and the delay after it.</extracomment>
        <translation>  %1  %2，然后等待 %3 ms</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: the file %2</source>
        <extracomment>%1: a macro file; %2: why it cannot be read (&quot;is not a regular file&quot;).</extracomment>
        <translation>无法载入 %1：该文件%2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: it is not a macro</source>
        <translation>无法载入 %1：它不是宏</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2</source>
        <translation>无法载入 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: a macro is named by its file, in 1 to %2 characters without control characters</source>
        <translation>无法载入 %1：宏以文件名命名，名称须为 1 到 %2 个字符，且不含控制字符</translation>
    </message>
    <message>
        <source>the library has a macro called %1 already</source>
        <translation>宏库中已有名为 %1 的宏</translation>
    </message>
    <message>
        <source>the library holds %1 macros, the most it keeps</source>
        <translation>宏库中已有 %1 个宏，已达上限</translation>
    </message>
    <message>
        <source>Would add %1 to the library (%2 steps).</source>
        <translation>将把 %1 添加到宏库（%2 个步骤）。</translation>
    </message>
    <message>
        <source>the macro library could not be saved in %1</source>
        <translation>无法将宏库保存到 %1</translation>
    </message>
    <message>
        <source>Added %1 to the library (%2 steps).</source>
        <translation>已将 %1 添加到宏库（%2 个步骤）。</translation>
    </message>
    <message>
        <source>%1 delays were changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>%1 个延迟已调整为步骤可保存的值：最长 %2 ms，步长 %3 ms。</translation>
    </message>
    <message>
        <source>the macro could not be saved as %1: %2</source>
        <translation>无法将宏保存为 %1：%2</translation>
    </message>
    <message>
        <source>Saved %1 as %2.</source>
        <translation>已将 %1 保存为 %2。</translation>
    </message>
    <message>
        <source>the mouse did not answer; nothing was exported</source>
        <translation>鼠标未响应；未导出任何内容</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1: a file; %2: why (&quot;is a folder&quot;, or the system&apos;s word).</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Exported the set-up (five profiles, 1 macro) to %1.</source>
        <translation>已将全部设置（五个配置文件、1 个宏）导出到 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Exported the set-up (five profiles, %n macros) to %1.</source>
        <translation>
            <numerusform>已将全部设置（五个配置文件、%n 个宏）导出到 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>the set-up on standard input %1</source>
        <extracomment>%1: why it cannot be read (&quot;cannot be read (…)&quot;, &quot;is larger than 1 MiB&quot;).</extracomment>
        <translation>标准输入中的设置%1</translation>
    </message>
    <message>
        <source>the set-up is refused: %1</source>
        <translation>设置被拒绝：%1</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <translation>%1 被拒绝：%2</translation>
    </message>
    <message>
        <source>waiting for the configuration window to close...</source>
        <translation>正在等待配置窗口关闭…</translation>
    </message>
    <message>
        <source>(kxctl --help tells how to use it)</source>
        <translation>（用法请参见 kxctl --help）</translation>
    </message>
    <message>
        <source>kxctl rule list|add|remove|on|off ...
  The application rules: the profile follows the application in front.
  kxctl help rule add, and so on.
</source>
        <translation>kxctl rule list|add|remove|on|off ...
  应用程序规则：配置文件跟随前台的应用程序。
  kxctl help rule add，依此类推。
</translation>
    </message>
    <message>
        <source>kxctl [--json] rule list
  The application rules, whether they are on, and whether this desktop tells
  the application in front (asked of the running daemon).
</source>
        <translation>kxctl [--json] rule list
  应用程序规则、规则是否开启，以及此桌面能否告知
  前台的应用程序（询问正在运行的后台程序）。
</translation>
    </message>
    <message>
        <source>kxctl rule add [--dry-run] APP PROFILE
kxctl rule add [--dry-run] --otherwise PROFILE
  Uses profile PROFILE (1..5) while APP is in front, or while no rule&apos;s application
  is. APP is an installed application&apos;s id (org.gimp.GIMP), its name, or a
  window class.
</source>
        <translation>kxctl rule add [--dry-run] APP PROFILE
kxctl rule add [--dry-run] --otherwise PROFILE
  当 APP 在前台时使用配置文件 PROFILE（1..5），或在没有任何规则的应用程序
  在前台时使用。APP 是已安装应用程序的 ID（org.gimp.GIMP）、其名称或
  窗口类。
</translation>
    </message>
    <message>
        <source>kxctl rule remove [--dry-run] APP
kxctl rule remove [--dry-run] --otherwise
  Removes APP&apos;s rule, or the rule for every other application (the profile
  then stays as it is).
</source>
        <translation>kxctl rule remove [--dry-run] APP
kxctl rule remove [--dry-run] --otherwise
  删除 APP 的规则，或针对其他所有应用程序的规则（此后配置文件
  保持不变）。
</translation>
    </message>
    <message>
        <source>kxctl rule on|off [--dry-run]
  Switches all the application rules on or off.
</source>
        <translation>kxctl rule on|off [--dry-run]
  开启或关闭所有应用程序规则。
</translation>
    </message>
    <message>
        <source>Usage: kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...
The Kestrix mouse from a terminal: the same profiles, buttons, macros and settings
as the configuration window, written through the same paced operations and read back.

Commands:
  list                           the attached mice
  show [--profile N | --all]     settings and buttons as the mouse holds them
  profile N                      make profile N (1..5) the active one
  dpi [--profile N] STAGE VALUE  set the DPI of stage 1..4 (100..3500, steps of 100)
  stage N                        make DPI stage N (1..4) the active one
  rate 125|500|1000              set the polling rate in Hz
  light logo|wheel on|off        switch a light
  button [--profile N] B ACTION  set what button B (1..5, left, right, middle, side1,
                                 side2) does; ACTION is one of
      default                    the profile&apos;s built-in function for it
      function NAME              a function of the catalogue (&quot;Left Click&quot;, &quot;F5&quot;)
      macro NAME [--mode once|repeat N|hold|toggle]
                                 a macro of the library, run once (default), N times,
                                 while held, or until pressed again
      launch PATH|APP-ID         an application: a file, or an installed
                                 application&apos;s id (org.example.App.desktop)
  macro list                     the macro library
  macro show NAME                a macro&apos;s steps
  macro import FILE.mac          add a macro file to the library, named by the file
  macro export NAME FILE.mac     save a macro as a file
  export FILE                    the whole set-up as a file (- for standard output)
  import FILE [--profiles 1,3] [--dry-run]
                                 write a set-up file into the mouse (- for standard
                                 input); --dry-run prints what would change
  rule list                      the application rules (no mouse needed)
  rule add APP PROFILE           use PROFILE (1..5) while APP is in front
  rule add --otherwise PROFILE   use PROFILE while no rule&apos;s application is
  rule remove APP | --otherwise  remove a rule
  rule on|off                    switch all the application rules

Options:
  --json       output as JSON (see the kxctl(1) manual)
  --wait       wait for the configuration window to close instead of refusing
  --dry-run    with a command that writes: print what would change, write nothing
  --device M   the mouse to use when more than one is attached: its number, location
               or serial number, as kxctl list shows them
  --verbose    the programs&apos; log lines on standard error
  --help, -h   this help; after a command, that command&apos;s (also: kxctl help COMMAND)
  --version, -V

Names are matched whole and regardless of case. Exit status: 0 done, 1 refused or
failed (with a message), 2 bad usage, 3 no mouse.
</source>
        <extracomment>kxctl&apos;s help. Commands, options and the words in capitals (N, NAME, FILE) are typed as they are; keep them, and keep the columns lined up.</extracomment>
        <translation>用法：kxctl [--json] [--wait] [--verbose] [--device M] COMMAND ...
在终端中设置 Kestrix 鼠标：配置文件、按键、宏和设置均与配置窗口相同，
以相同的分步操作写入，并回读核对。

命令：
  list                           已连接的鼠标
  show [--profile N | --all]     鼠标中保存的设置和按键
  profile N                      将配置文件 N（1..5）设为当前配置文件
  dpi [--profile N] STAGE VALUE  设置档位 1..4 的 DPI（100..3500，步长 100）
  stage N                        将 DPI 档位 N（1..4）设为当前档位
  rate 125|500|1000              设置回报率（单位为 Hz）
  light logo|wheel on|off        打开或关闭一个灯
  button [--profile N] B ACTION  设置按键 B（1..5、left、right、middle、side1、
                                 side2）的功能；ACTION 为以下之一：
      default                    配置文件中该按键的内置功能
      function NAME              功能目录中的功能（&quot;Left Click&quot;、&quot;F5&quot;）
      macro NAME [--mode once|repeat N|hold|toggle]
                                 宏库中的宏：运行一次（默认）、运行 N 次、
                                 按住时重复，或重复直到再次按下
      launch PATH|APP-ID         应用程序：一个文件，或已安装应用程序的 ID
                                 （org.example.App.desktop）
  macro list                     宏库
  macro show NAME                宏的步骤
  macro import FILE.mac          将宏文件添加到宏库，以文件名作为宏名称
  macro export NAME FILE.mac     将宏保存为文件
  export FILE                    将全部设置导出为文件（- 表示标准输出）
  import FILE [--profiles 1,3] [--dry-run]
                                 将设置文件写入鼠标（- 表示标准输入）；
                                 --dry-run 显示将会进行的更改
  rule list                      应用程序规则（无需鼠标）
  rule add APP PROFILE           APP 在前台时使用 PROFILE（1..5）
  rule add --otherwise PROFILE   没有规则的应用程序在前台时使用 PROFILE
  rule remove APP | --otherwise  删除一条规则
  rule on|off                    开启或关闭所有应用程序规则

选项：
  --json       以 JSON 格式输出（参见 kxctl(1) 手册）
  --wait       等待配置窗口关闭，而不是拒绝执行
  --dry-run    用于会写入的命令：显示将会进行的更改，但不写入
  --device M   连接了多个鼠标时要使用的鼠标：编号、位置或序列号，
               与 kxctl list 的显示一致
  --verbose    在标准错误输出上显示程序的日志
  --help, -h   显示此帮助；放在命令之后则显示该命令的帮助
               （也可使用 kxctl help COMMAND）
  --version, -V

名称须完整匹配，不区分大小写。退出状态：0 完成，1 被拒绝或失败（附带消息），
2 用法错误，3 未找到鼠标。
</translation>
    </message>
    <message>
        <source>rule takes list, add, remove, on or off</source>
        <translation>rule 接受 list、add、remove、on 或 off</translation>
    </message>
    <message>
        <source>rule add takes APP PROFILE, or --otherwise PROFILE</source>
        <translation>rule add 接受 APP PROFILE 或 --otherwise PROFILE</translation>
    </message>
    <message>
        <source>rule remove takes APP, or --otherwise</source>
        <translation>rule remove 接受 APP 或 --otherwise</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1；未写入任何内容</translation>
    </message>
    <message>
        <source>%1; nothing was exported</source>
        <translation>%1；未导出任何内容</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An application of a rule: its name (%1) and its id (%2).</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <extracomment>An application of a rule that no installed application is (%1: its id or window class).</extracomment>
        <translation>%1（未安装）</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>the profile stays as it is</source>
        <translation>配置文件保持不变</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>应用程序规则</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>rule for %1</source>
        <translation>%1 的规则</translation>
    </message>
    <message>
        <source>no rule</source>
        <translation>无规则</translation>
    </message>
    <message>
        <source>every other application</source>
        <translation>其他所有应用程序</translation>
    </message>
    <message>
        <source>Application rules: on</source>
        <translation>应用程序规则：开</translation>
    </message>
    <message>
        <source>Application rules: off (the profile follows no application)</source>
        <translation>应用程序规则：关（配置文件不跟随任何应用程序）</translation>
    </message>
    <message>
        <source>  no rules (kxctl rule add APP PROFILE makes one)</source>
        <translation>  没有规则（kxctl rule add APP PROFILE 可创建一条）</translation>
    </message>
    <message>
        <source>The daemon is not running: the rules apply once it runs.</source>
        <translation>后台程序未运行：规则在它运行后生效。</translation>
    </message>
    <message>
        <source>The daemon did not answer whether this desktop tells which application is in front.</source>
        <translation>后台程序未回答此桌面能否告知哪个应用程序在前台。</translation>
    </message>
    <message>
        <source>This desktop tells which application is in front (%1).</source>
        <translation>此桌面会告知哪个应用程序在前台（%1）。</translation>
    </message>
    <message>
        <source>This desktop does not tell which application is in front (%1): the rules do nothing here.</source>
        <translation>此桌面不会告知哪个应用程序在前台（%1）：规则在此不起作用。</translation>
    </message>
    <message>
        <source>%1 is not a profile of the mouse: it has profiles 1 to 5</source>
        <translation>%1 不是鼠标的配置文件：鼠标有配置文件 1 到 5</translation>
    </message>
    <message>
        <source>the application &quot;%1&quot; %2</source>
        <extracomment>%1: the application as typed; %2: why it cannot be (&quot;holds control characters&quot;).</extracomment>
        <translation>应用程序“%1”%2</translation>
    </message>
    <message>
        <source>there are %1 rules, the most kept: remove one first</source>
        <translation>已有 %1 条规则，这是保留的上限：请先删除一条</translation>
    </message>
    <message>
        <source>%1 has no rule (kxctl rule list shows them)</source>
        <translation>%1 没有规则（kxctl rule list 会列出规则）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the installed application %2: the rule names it by that id</source>
        <extracomment>%1: the application&apos;s name as typed; %2: its id.</extracomment>
        <translation>“%1”是已安装的应用程序 %2：规则以该 ID 指代它</translation>
    </message>
    <message>
        <source>no installed application has the id %1: the rule is kept for when one has, and applies meanwhile to windows of that class</source>
        <translation>没有已安装的应用程序使用 ID %1：规则会保留，待有应用程序使用该 ID 时生效，在此之前适用于该类的窗口</translation>
    </message>
    <message>
        <source>no installed application has the id %1, and several are called so (%2): name one by its id; the rule is kept as typed</source>
        <translation>没有已安装的应用程序使用 ID %1，且有多个应用程序叫这个名字（%2）：请用 ID 指定其中一个；规则按输入保留</translation>
    </message>
    <message>
        <source>Nothing to change: the rules say this already.</source>
        <translation>无需更改：规则已经如此。</translation>
    </message>
    <message>
        <source>There is no session bus: whether the daemon runs cannot be seen.</source>
        <translation>没有会话总线：无法看出后台程序是否在运行。</translation>
    </message>
</context>
<context>
    <name>KxMouseLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
</context>
<context>
    <name>KxNames</name>
    <message>
        <source>left button</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>right button</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>wheel button</source>
        <translation>滚轮键</translation>
    </message>
    <message>
        <source>front side button</source>
        <translation>前侧键</translation>
    </message>
    <message>
        <source>back side button</source>
        <translation>后侧键</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Names listed: the ones before (%1) and the next one (%2), not the last.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Names listed: the ones before (%1) and the last one (%2).</extracomment>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;</source>
        <translation>没有功能“%1”</translation>
    </message>
    <message>
        <source>there is no function &quot;%1&quot;; close: %2</source>
        <translation>没有功能“%1”；相近的有：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function</source>
        <translation>“%1”对应多个功能</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one function: %2</source>
        <translation>“%1”对应多个功能：%2</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;</source>
        <translation>没有宏“%1”</translation>
    </message>
    <message>
        <source>there is no macro &quot;%1&quot;; close: %2</source>
        <translation>没有宏“%1”；相近的有：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro</source>
        <translation>“%1”对应多个宏</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one macro: %2</source>
        <translation>“%1”对应多个宏：%2</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>没有命令“%1”</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;; close: %2</source>
        <translation>没有命令“%1”；相近的有：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command</source>
        <translation>“%1”对应多个命令</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names more than one command: %2</source>
        <translation>“%1”对应多个命令：%2</translation>
    </message>
    <message>
        <source>repeat once</source>
        <translation>重复 1 次</translation>
    </message>
    <message numerus="yes">
        <source>repeat %n times</source>
        <translation>
            <numerusform>重复 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>while held</source>
        <translation>按住时重复</translation>
    </message>
    <message>
        <source>until pressed again</source>
        <translation>重复直到再次按下</translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How a macro runs: one time for each press.</extracomment>
        <translation>单次</translation>
    </message>
    <message>
        <source>deleted macro (the mouse keeps running what it holds)</source>
        <translation>已删除的宏（鼠标继续运行其中保存的宏）</translation>
    </message>
    <message>
        <source>macro %1 (not in the library), %2</source>
        <extracomment>A button&apos;s macro: its name (%1) and how it runs (%2, as &quot;repeat 3 times&quot;).</extracomment>
        <translation>宏 %1（不在宏库中），%2</translation>
    </message>
    <message>
        <source>macro %1, %2</source>
        <translation>宏 %1，%2</translation>
    </message>
    <message>
        <source>launch (no application set)</source>
        <translation>启动（未设置应用程序）</translation>
    </message>
    <message>
        <source>launch %1 (%2)</source>
        <extracomment>A button that starts an application: its name (%1) and file (%2).</extracomment>
        <translation>启动 %1（%2）</translation>
    </message>
    <message>
        <source>launch %1</source>
        <translation>启动 %1</translation>
    </message>
    <message>
        <source>keys %1</source>
        <extracomment>A button that sends key codes (%1: the codes, as &quot;4 22&quot;).</extracomment>
        <translation>按键码 %1</translation>
    </message>
    <message>
        <source>unknown function (table %1)</source>
        <translation>未知功能（表 %1）</translation>
    </message>
</context>
<context>
    <name>KxOption</name>
    <message>
        <source>There is no session bus: the on-screen display cannot be switched, and the window cannot follow the mouse&apos;s own buttons or be started again after an unplug.</source>
        <translation>没有会话总线：无法开启或关闭屏幕显示，窗口无法跟随鼠标自身按键所做的更改，鼠标拔出后窗口也无法再次启动。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: changes to profiles and macros are not kept.</source>
        <translation>无法写入文件夹 %1：对配置文件和宏的更改将不会保存。</translation>
    </message>
    <message>
        <source>The background program could not be started: %1</source>
        <translation>无法启动后台程序：%1</translation>
    </message>
</context>
<context>
    <name>KxSetupFile</name>
    <message>
        <source>true or false</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;; true and false are JSON&apos;s words.</extracomment>
        <translation>布尔值（true 或 false）</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a field of a set-up file holds, in &quot;must be a number, not %1&quot;.</extracomment>
        <translation>文本</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>对象</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无内容</translation>
    </message>
    <message>
        <source>is missing</source>
        <extracomment>Said of a field of a set-up file, after its name (&quot;settings.lights: is missing&quot;); so are the other texts that start with a verb.</extracomment>
        <translation>缺失</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>必须是整数</translation>
    </message>
    <message>
        <source>must be a number, not %1</source>
        <translation>必须是数字，而不是%1</translation>
    </message>
    <message>
        <source>%1 is not within %2..%3</source>
        <translation>%1 不在 %2..%3 范围内</translation>
    </message>
    <message>
        <source>must be text, not %1</source>
        <translation>必须是文本，而不是%1</translation>
    </message>
    <message>
        <source>is %1 characters long, at most %2</source>
        <translation>长度为 %1 个字符，最多允许 %2 个</translation>
    </message>
    <message>
        <source>holds control characters</source>
        <translation>包含控制字符</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of %2</source>
        <translation>“%1”不是 %2 之一</translation>
    </message>
    <message>
        <source>must be true or false, not %1</source>
        <translation>必须是 true 或 false，而不是%1</translation>
    </message>
    <message>
        <source>must be a list, not %1</source>
        <translation>必须是列表，而不是%1</translation>
    </message>
    <message>
        <source>holds %1 entries, not %2</source>
        <translation>包含 %1 项，应为 %2 项</translation>
    </message>
    <message>
        <source>holds %1 entries, %2..%3 allowed</source>
        <translation>包含 %1 项，允许 %2..%3 项</translation>
    </message>
    <message>
        <source>must be an object, not %1</source>
        <translation>必须是对象，而不是%1</translation>
    </message>
    <message>
        <source>is not a field of a set-up file</source>
        <translation>不是设置文件中的字段</translation>
    </message>
    <message>
        <source>must be a whole number of DPI</source>
        <translation>必须是整数 DPI 值</translation>
    </message>
    <message>
        <source>%1 DPI: the mouse takes %2..%3 in steps of %4</source>
        <translation>%1 DPI：鼠标支持 %2..%3，步长 %4</translation>
    </message>
    <message>
        <source>%1 Hz: the mouse runs at 125, 500 or 1000 Hz</source>
        <translation>%1 Hz：鼠标的回报率只能是 125、500 或 1000 Hz</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>为空</translation>
    </message>
    <message>
        <source>must be a code of 1..255</source>
        <translation>必须是 1..255 之间的代码</translation>
    </message>
    <message>
        <source>a macro that repeats needs a count of 1..%1</source>
        <translation>重复运行的宏需要 1..%1 之间的次数</translation>
    </message>
    <message>
        <source>a launcher has a path or a desktopEntry, not both</source>
        <translation>启动项只能有 path 或 desktopEntry 其中之一，不能同时有</translation>
    </message>
    <message>
        <source>must be an absolute path</source>
        <translation>必须是绝对路径</translation>
    </message>
    <message>
        <source>is %1 bytes long; the mouse&apos;s profile keeps %2 at most</source>
        <translation>长 %1 字节；鼠标配置文件最多只能保存 %2 字节</translation>
    </message>
    <message>
        <source>must be an application&apos;s id, such as &quot;org.example.App.desktop&quot;</source>
        <translation>必须是应用程序 ID，例如“org.example.App.desktop”</translation>
    </message>
    <message>
        <source>profile %1 appears twice</source>
        <translation>配置文件 %1 出现了两次</translation>
    </message>
    <message>
        <source>the %1 button appears twice</source>
        <extracomment>%1: the button as the file names it (left, right, middle, side1, side2).</extracomment>
        <translation>按键 %1 出现了两次</translation>
    </message>
    <message>
        <source>another macro of this file is called &quot;%1&quot;</source>
        <translation>此文件中已有另一个名为“%1”的宏</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>该文件中没有宏“%1”</translation>
    </message>
    <message>
        <source>the file is %1 bytes long; a set-up is at most %2</source>
        <translation>该文件长 %1 字节；设置文件最大为 %2 字节</translation>
    </message>
    <message>
        <source>the file ends early (at byte %1): it is cut short or is not a set-up</source>
        <translation>文件提前结束（在第 %1 字节处）：文件已被截断，或不是设置文件</translation>
    </message>
    <message>
        <source>the file is not a set-up: at byte %1, %2</source>
        <translation>该文件不是设置文件：在第 %1 字节处，%2</translation>
    </message>
    <message>
        <source>the file is not a set-up: it holds no object</source>
        <translation>该文件不是设置文件：其中不包含对象</translation>
    </message>
    <message>
        <source>is given twice; a field is given once</source>
        <translation>出现了两次；每个字段只能出现一次</translation>
    </message>
    <message>
        <source>is missing: the file is not a set-up</source>
        <translation>缺失：该文件不是设置文件</translation>
    </message>
    <message>
        <source>is not &quot;%1&quot;: the file is not a set-up</source>
        <translation>不是“%1”：该文件不是设置文件</translation>
    </message>
    <message>
        <source>must be a whole number from 1</source>
        <translation>必须是不小于 1 的整数</translation>
    </message>
    <message>
        <source>version %1 was written by a newer program; this one reads versions up to %2</source>
        <translation>版本 %1 由较新的程序写入；本程序只能读取 %2 及以下的版本</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A file (%1) and why it cannot be read (%2: &quot;is not a regular file&quot;, &quot;cannot be opened (…)&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>KxSetupMouse</name>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>A light&apos;s state.</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>DPI stage %1</source>
        <translation>DPI 档位 %1</translation>
    </message>
    <message>
        <source>active DPI stage</source>
        <translation>当前 DPI 档位</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>logo light</source>
        <translation>Logo 灯</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>滚轮灯</translation>
    </message>
    <message>
        <source>the macro takes %1 steps on the mouse; a button holds %2</source>
        <translation>该宏在鼠标上占 %1 步；每个按键最多 %2 步</translation>
    </message>
    <message>
        <source>macro %1: 1 delay was changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>宏 %1：1 个延迟已调整为步骤可保存的值：最长 %2 ms，步长 %3 ms</translation>
    </message>
    <message numerus="yes">
        <source>macro %1: %n delays were changed to what a step holds: at most %2 ms, in steps of %3 ms</source>
        <translation>
            <numerusform>宏 %1：%n 个延迟已调整为步骤可保存的值：最长 %2 ms，步长 %3 ms</numerusform>
        </translation>
    </message>
    <message>
        <source>macro %1: the library&apos;s, used as it is</source>
        <translation>宏 %1：直接使用宏库中的同名宏</translation>
    </message>
    <message>
        <source>macro %1: the same as the library&apos;s %2, which is used</source>
        <translation>宏 %1：与宏库中的 %2 相同，将使用后者</translation>
    </message>
    <message>
        <source>macro %1: added to the library</source>
        <translation>宏 %1：已添加到宏库</translation>
    </message>
    <message>
        <source>macro %1: added to the library as %2 (the library&apos;s %1 has other steps)</source>
        <translation>宏 %1：已作为 %2 添加到宏库（宏库中的 %1 步骤不同）</translation>
    </message>
    <message>
        <source>the file has no macro &quot;%1&quot;</source>
        <translation>该文件中没有宏“%1”</translation>
    </message>
    <message>
        <source>%1 is the launch code of profile %2&apos;s %3; a launcher with a path of its own launches with code %4</source>
        <translation>%1 是配置文件 %2 中%3的启动代码；有自己路径的启动项使用代码 %4 启动</translation>
    </message>
    <message>
        <source>the application %1 is not installed here</source>
        <translation>此计算机上未安装应用程序 %1</translation>
    </message>
    <message>
        <source>the application&apos;s path is longer than %1 bytes</source>
        <translation>应用程序路径超过 %1 字节</translation>
    </message>
    <message>
        <source>the library would hold %1 macros, more than the %2 it keeps</source>
        <translation>宏库将包含 %1 个宏，超过上限 %2 个</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A change: what changes (%1) and what it becomes (%2).</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <extracomment>A change: what changes (%1), what it was (%2) and what it becomes (%3).</extracomment>
        <translation>%1：%2 → %3</translation>
    </message>
    <message>
        <source>%1 (the mouse keeps what it holds for this button)</source>
        <extracomment>What a button is given (%1: a function the mouse keeps by itself).</extracomment>
        <translation>%1（鼠标保留其为此按键保存的功能）</translation>
    </message>
    <message>
        <source>profile %1 %2</source>
        <extracomment>A button of a profile: the profile&apos;s number (%1) and the button (&quot;wheel button&quot;).</extracomment>
        <translation>配置文件 %1 的%2</translation>
    </message>
    <message>
        <source>active profile</source>
        <translation>当前配置文件</translation>
    </message>
    <message>
        <source>desktop pointer speed</source>
        <translation>桌面指针速度</translation>
    </message>
    <message>
        <source>desktop scroll speed</source>
        <translation>桌面滚动速度</translation>
    </message>
    <message>
        <source>desktop double-click speed</source>
        <translation>桌面双击速度</translation>
    </message>
    <message>
        <source>The %1 of profile %2 did not reach the mouse.</source>
        <translation>配置文件 %2 的%1未能写入鼠标。</translation>
    </message>
    <message>
        <source>The %1 of profile %2 may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>配置文件 %2 的%1可能未写入鼠标：鼠标在回读之前停止了响应。</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) may not have reached the mouse: it stopped answering before they could be read back.</source>
        <translation>设置（DPI 档位、回报率、灯光）可能未写入鼠标：鼠标在回读之前停止了响应。</translation>
    </message>
    <message>
        <source>The mouse took only part of the settings (DPI stages, polling rate, lights): they are shown as it holds them.</source>
        <translation>鼠标只接受了部分设置（DPI 档位、回报率、灯光）：现按鼠标中保存的值显示。</translation>
    </message>
    <message>
        <source>The settings (DPI stages, polling rate, lights) did not reach the mouse.</source>
        <translation>设置（DPI 档位、回报率、灯光）未能写入鼠标。</translation>
    </message>
    <message>
        <source>The mouse may not have switched to profile %1: it stopped answering before it could say.</source>
        <translation>鼠标可能未切换到配置文件 %1：鼠标在确认之前停止了响应。</translation>
    </message>
    <message>
        <source>The mouse did not switch to profile %1.</source>
        <translation>鼠标未切换到配置文件 %1。</translation>
    </message>
    <message>
        <source>1 rule</source>
        <translation>1 条规则</translation>
    </message>
    <message numerus="yes">
        <source>%n rules</source>
        <translation>
            <numerusform>%n 条规则</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, otherwise profile %2</source>
        <translation>%1，其他情况下使用配置文件 %2</translation>
    </message>
    <message>
        <source>%1, switched off</source>
        <translation>%1，已关闭</translation>
    </message>
    <message>
        <source>application rules</source>
        <translation>应用程序规则</translation>
    </message>
    <message>
        <source>%1, replacing yours (%2)</source>
        <extracomment>The application rules a set-up brings (%1: &quot;3 rules, otherwise profile 2&quot;), and the user&apos;s that they replace (%2).</extracomment>
        <translation>%1，替换您的（%2）</translation>
    </message>
</context>
<context>
    <name>KxWriteSession</name>
    <message>
        <source>The macro library could not be saved in %1; nothing was written.</source>
        <translation>无法将宏库保存到 %1；未写入任何内容。</translation>
    </message>
    <message>
        <source>The changes could not be kept in %1 before writing; nothing was written.</source>
        <translation>写入前无法将更改保存到 %1；未写入任何内容。</translation>
    </message>
    <message>
        <source>The desktop did not take the pointer, scroll and double-click speeds.</source>
        <translation>桌面未接受指针速度、滚动速度和双击速度。</translation>
    </message>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>无法将配置文件保存到 %1。</translation>
    </message>
    <message>
        <source>The application rules were not taken, as the mouse did not take the whole set-up.</source>
        <translation>未采用应用程序规则，因为鼠标没有接受整个设置。</translation>
    </message>
    <message>
        <source>The application rules were not taken: %1.</source>
        <extracomment>%1: why (&quot;the rules could not be written to …&quot;).</extracomment>
        <translation>未采用应用程序规则：%1。</translation>
    </message>
</context>
<context>
    <name>LaunchChooserView</name>
    <message>
        <source> (a link to %1)</source>
        <translation>（指向 %1 的链接）</translation>
    </message>
    <message>
        <source>This desktop entry is outside the applications folders and names no application this desktop can start:
%1
Take it for this button anyway?</source>
        <translation>此桌面项位于应用程序文件夹之外，且未指定本桌面可以启动的应用程序：
%1
仍要将其用于此按键吗？</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>输入以筛选</translation>
    </message>
    <message>
        <source>No installed applications were found: “Other file…” takes any program.</source>
        <translation>未找到已安装的应用程序：可通过“其他文件…”选择任意程序。</translation>
    </message>
    <message>
        <source>No application matches “%1”.</source>
        <translation>没有与“%1”匹配的应用程序。</translation>
    </message>
    <message>
        <source>Choose the program or file to start</source>
        <translation>选择要启动的程序或文件</translation>
    </message>
    <message>
        <source>Application launcher</source>
        <translation>应用程序启动器</translation>
    </message>
    <message>
        <source>Chooses the application or program the selected mouse button starts.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>选择所选鼠标按键要启动的应用程序或程序。</translation>
    </message>
    <message>
        <source>APPLICATION LAUNCHER</source>
        <extracomment>the window&apos;s title, 380 points wide</extracomment>
        <translation>应用程序启动器</translation>
    </message>
    <message>
        <source>INSTALLED APPLICATIONS</source>
        <extracomment>a caption over controls, 372 points wide</extracomment>
        <translation>已安装的应用程序</translation>
    </message>
    <message>
        <source>Filter the applications</source>
        <extracomment>the name a screen reader says for filterTxt</extracomment>
        <translation>筛选应用程序</translation>
    </message>
    <message>
        <source>Applications</source>
        <extracomment>the name a screen reader says for appList</extracomment>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>OTHER FILE…</source>
        <extracomment>the label of the control otherBtn, 124 points wide (English uses 89)</extracomment>
        <translation>其他文件…</translation>
    </message>
    <message>
        <source>Other file</source>
        <extracomment>the name a screen reader says for otherBtn</extracomment>
        <translation>其他文件</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Application for a rule</source>
        <translation>规则的应用程序</translation>
    </message>
</context>
<context>
    <name>LightOptionView</name>
    <message>
        <source>Switches the mouse&apos;s logo and wheel lights on or off.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>打开或关闭鼠标的 Logo 灯和滚轮灯。</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>灯光</translation>
    </message>
    <message>
        <source>LIGHTS</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>选择灯光</translation>
    </message>
    <message>
        <source>PICKED LIGHT</source>
        <extracomment>a caption over controls, 190 points wide</extracomment>
        <translation>所选灯光</translation>
    </message>
    <message>
        <source>Wheel light</source>
        <extracomment>the name a screen reader says for midLightTagBtn</extracomment>
        <translation>滚轮灯</translation>
    </message>
    <message>
        <source>Light to switch</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>要开关的灯光</translation>
    </message>
    <message>
        <source>Logo light</source>
        <extracomment>the name a screen reader says for logoLightTagBtn</extracomment>
        <translation>Logo 灯</translation>
    </message>
    <message>
        <source>BOTH LIGHTS</source>
        <extracomment>the label of the control bothLightTagBtn, 190 points wide (English uses 90)</extracomment>
        <translation>全部灯光</translation>
    </message>
    <message>
        <source>Both lights</source>
        <extracomment>the name a screen reader says for bothLightTagBtn</extracomment>
        <translation>全部灯光</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>the label of the control lightOnBtn, 90 points wide (English uses 20)</extracomment>
        <translation>开启</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>the name a screen reader says for lightOnBtn</extracomment>
        <translation>开启</translation>
    </message>
    <message>
        <source>Picked light</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>所选灯光</translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>the label of the control lightOffBtn, 90 points wide (English uses 26)</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>the name a screen reader says for lightOffBtn</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MacroCapacityMeter</name>
    <message>
        <source>No macro chosen</source>
        <translation>未选择宏</translation>
    </message>
    <message>
        <source>%1 steps: the mouse plays the first %2</source>
        <translation>%1 个步骤：鼠标只播放前 %2 个</translation>
    </message>
    <message>
        <source>%1 of %2 steps on the mouse</source>
        <translation>鼠标步数：%1/%2</translation>
    </message>
    <message>
        <source>Recording · %1</source>
        <translation>正在录制 · %1</translation>
    </message>
</context>
<context>
    <name>MacroInfo</name>
    <message>
        <source>it takes %1 steps on the mouse, more than the %2 a button holds</source>
        <extracomment>Why a macro cannot be loaded, after &quot;Fire.mac cannot be loaded: &quot;.</extracomment>
        <translation>它在鼠标上占 %1 步，超过了每个按键最多 %2 步的限制</translation>
    </message>
    <message>
        <source>it holds a step this program does not know</source>
        <translation>它包含本程序无法识别的步骤</translation>
    </message>
</context>
<context>
    <name>MacroStepModel</name>
    <message>
        <source>L Button</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>R Button</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>M Button</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Press %1</source>
        <translation>按下 %1</translation>
    </message>
    <message>
        <source>Release %1</source>
        <translation>松开 %1</translation>
    </message>
    <message>
        <source>Command %1</source>
        <translation>命令 %1</translation>
    </message>
    <message>
        <source>%1 Down</source>
        <translation>%1按下</translation>
    </message>
    <message>
        <source>%1 Up</source>
        <translation>%1松开</translation>
    </message>
    <message>
        <source>Step of kind %1</source>
        <translation>类型为 %1 的步骤</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Double-click to change the delay</source>
        <translation>双击可更改延迟</translation>
    </message>
    <message>
        <source>Key down</source>
        <translation>按键按下</translation>
    </message>
    <message>
        <source>Key up</source>
        <translation>按键松开</translation>
    </message>
    <message>
        <source>Button down</source>
        <translation>鼠标键按下</translation>
    </message>
    <message>
        <source>Button up</source>
        <translation>鼠标键松开</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>Delay in milliseconds</source>
        <translation>延迟（毫秒）</translation>
    </message>
</context>
<context>
    <name>MacroView</name>
    <message>
        <source>Macro editor</source>
        <translation>宏编辑器</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Maximum number of macros reached</source>
        <translation>宏数量已达上限</translation>
    </message>
    <message>
        <source>Are you sure you want to Clear Commands?</source>
        <translation>确定要清除全部步骤吗？</translation>
    </message>
    <message>
        <source>No macros yet</source>
        <translation>暂无宏</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>New macro</source>
        <extracomment>the name a screen reader says for newMacroBtn</extracomment>
        <translation>新建宏</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this macro?</source>
        <translation>确定要删除此宏吗？</translation>
    </message>
    <message>
        <source>Save the macro to a file</source>
        <translation>将宏保存为文件</translation>
    </message>
    <message>
        <source>Macro files (*.mac)</source>
        <translation>宏文件 (*.mac)</translation>
    </message>
    <message>
        <source>The macro could not be saved as %1.</source>
        <translation>无法将宏保存为 %1。</translation>
    </message>
    <message>
        <source>Load a macro from a file</source>
        <translation>从文件载入宏</translation>
    </message>
    <message>
        <source>%1 cannot be loaded: %2.</source>
        <translation>无法载入 %1：%2。</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>该文件%1</translation>
    </message>
    <message>
        <source>it is not a macro</source>
        <translation>它不是宏</translation>
    </message>
    <message>
        <source>a macro is named by its file, and this file has no name</source>
        <translation>宏以文件名命名，而此文件没有名称</translation>
    </message>
    <message>
        <source>A macro of this name already exists.</source>
        <translation>已存在同名的宏。</translation>
    </message>
    <message>
        <source>The macros could not be saved.</source>
        <translation>无法保存宏。</translation>
    </message>
    <message>
        <source>Records, edits, imports and exports the macros the mouse buttons can run.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>录制、编辑、导入和导出鼠标按键可运行的宏。</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>宏编辑器</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>宏</translation>
    </message>
    <message>
        <source>RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>录制</translation>
    </message>
    <message>
        <source>DELAYS WHILE RECORDING</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>录制时的延迟</translation>
    </message>
    <message>
        <source>Default (ms)</source>
        <extracomment>a line of text, 90 points wide</extracomment>
        <translation>默认（毫秒）</translation>
    </message>
    <message>
        <source>STEPS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>步骤</translation>
    </message>
    <message>
        <source>STEP</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>步骤</translation>
    </message>
    <message>
        <source>DELAY (MS)</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>延迟（毫秒）</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <extracomment>a caption over controls, 130 points wide</extracomment>
        <translation>命令</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for macroNameBtn</extracomment>
        <translation>宏</translation>
    </message>
    <message>
        <source>NEW</source>
        <extracomment>the label of the control newMacroBtn, 96 points wide (English uses 31)</extracomment>
        <translation>新建</translation>
    </message>
    <message>
        <source>DELETE</source>
        <extracomment>the label of the control delMacroBtn, 96 points wide (English uses 50)</extracomment>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete macro</source>
        <extracomment>the name a screen reader says for delMacroBtn</extracomment>
        <translation>删除宏</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>the label of the control loadMacroBtn, 96 points wide (English uses 51)</extracomment>
        <translation>导入</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>the name a screen reader says for loadMacroBtn</extracomment>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <extracomment>the label of the control saveMacroBtn, 96 points wide (English uses 52)</extracomment>
        <translation>导出</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>the name a screen reader says for saveMacroBtn</extracomment>
        <translation>导出</translation>
    </message>
    <message>
        <source>RECORD</source>
        <extracomment>the label of the control recordBtn, 96 points wide (English uses 55)</extracomment>
        <translation>录制</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>the name a screen reader says for recordBtn</extracomment>
        <translation>录制</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>the label of the control stopBtn, 96 points wide (English uses 35)</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <extracomment>the name a screen reader says for stopBtn</extracomment>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Stop recording (Pause)</source>
        <extracomment>what a screen reader says stopBtn does</extracomment>
        <translation>停止录制（Pause 键）</translation>
    </message>
    <message>
        <source>Without delays</source>
        <extracomment>the label of the control lgnoreDelayChk, 200 points wide (English uses 90)</extracomment>
        <translation>不记录延迟</translation>
    </message>
    <message>
        <source>Default delay</source>
        <extracomment>the label of the control insertDefLayChk, 200 points wide (English uses 80)</extracomment>
        <translation>默认延迟</translation>
    </message>
    <message>
        <source>Default delay, ms</source>
        <extracomment>the name a screen reader says for defDelayTxt</extracomment>
        <translation>默认延迟（毫秒）</translation>
    </message>
    <message>
        <source>USE FOR RECORDING</source>
        <extracomment>the label of the control insertDefDelayBtn, 200 points wide (English uses 141)</extracomment>
        <translation>用于录制</translation>
    </message>
    <message>
        <source>Use for recording</source>
        <extracomment>the name a screen reader says for insertDefDelayBtn</extracomment>
        <translation>用于录制</translation>
    </message>
    <message>
        <source>Steps</source>
        <extracomment>the name a screen reader says for keytbView</extracomment>
        <translation>步骤</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <extracomment>the label of the control keyUpBtn, 130 points wide (English uses 61)</extracomment>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move up</source>
        <extracomment>the name a screen reader says for keyUpBtn</extracomment>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <extracomment>the label of the control keyDownBtn, 130 points wide (English uses 85)</extracomment>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move down</source>
        <extracomment>the name a screen reader says for keyDownBtn</extracomment>
        <translation>下移</translation>
    </message>
    <message>
        <source>DELETE STEP</source>
        <extracomment>the label of the control delKeyBtn, 130 points wide (English uses 87)</extracomment>
        <translation>删除步骤</translation>
    </message>
    <message>
        <source>Delete step</source>
        <extracomment>the name a screen reader says for delKeyBtn</extracomment>
        <translation>删除步骤</translation>
    </message>
    <message>
        <source>Shorter delay</source>
        <extracomment>the name a screen reader says for adjustDelayDownBtn</extracomment>
        <translation>缩短延迟</translation>
    </message>
    <message>
        <source>Delay to set, ms</source>
        <extracomment>the name a screen reader says for adjustDelayTxt</extracomment>
        <translation>要设置的延迟（毫秒）</translation>
    </message>
    <message>
        <source>Longer delay</source>
        <extracomment>the name a screen reader says for adjustDelayUpBtn</extracomment>
        <translation>延长延迟</translation>
    </message>
    <message>
        <source>SET DELAY</source>
        <extracomment>the label of the control insertDelayBtn, 130 points wide (English uses 71)</extracomment>
        <translation>设置延迟</translation>
    </message>
    <message>
        <source>Set delay</source>
        <extracomment>the name a screen reader says for insertDelayBtn</extracomment>
        <translation>设置延迟</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>the name a screen reader says for comSelBtn</extracomment>
        <translation>命令</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>the label of the control insertComBtn, 130 points wide (English uses 48)</extracomment>
        <translation>插入</translation>
    </message>
    <message>
        <source>Insert command</source>
        <extracomment>the name a screen reader says for insertComBtn</extracomment>
        <translation>插入命令</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 was loaded with 1 delay changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>已加载 %1，其中 1 个延迟已调整为步骤可容纳的值：最多 %2 毫秒，以 %3 毫秒为步长。</translation>
    </message>
    <message numerus="yes">
        <source>%1 was loaded with %n delays changed to what a step holds: at most %2 ms, in steps of %3 ms.</source>
        <translation>
            <numerusform>已加载 %1，其中 %n 个延迟已调整为步骤可容纳的值：最多 %2 毫秒，以 %3 毫秒为步长。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Kestrix Mouse</source>
        <translation>Kestrix 鼠标</translation>
    </message>
    <message>
        <source>Deleted macro</source>
        <translation>已删除的宏</translation>
    </message>
    <message>
        <source>Launch Key</source>
        <translation>启动键</translation>
    </message>
    <message>
        <source>T Key</source>
        <translation>T 键</translation>
    </message>
    <message>
        <source>Page UP(Win)</source>
        <translation>上翻页 (Win)</translation>
    </message>
    <message>
        <source>Page Down(Win)</source>
        <translation>下翻页 (Win)</translation>
    </message>
    <message>
        <source>Middle Button(Win)</source>
        <translation>中键 (Win)</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>the name a screen reader says for defaultBtn</extracomment>
        <translation>默认</translation>
    </message>
    <message>
        <source>Single key</source>
        <extracomment>the name a screen reader says for singleBtn</extracomment>
        <translation>单键</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for tkeyBtn</extracomment>
        <translation>宏</translation>
    </message>
    <message>
        <source>Launch</source>
        <extracomment>the name a screen reader says for launchProBtn</extracomment>
        <translation>启动</translation>
    </message>
    <message>
        <source>This path is too long to be kept in the mouse&apos;s profile (%1 bytes at most):
%2</source>
        <translation>此路径过长，无法保存在鼠标配置文件中（最多 %1 字节）：
%2</translation>
    </message>
    <message>
        <source>The help page could not be opened.</source>
        <translation>无法打开帮助页面。</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>无法打开 %1。</translation>
    </message>
    <message>
        <source>The mouse did not answer while it was being read. The window shows its profiles as they were last saved; changes are written only when the mouse answers.</source>
        <translation>读取鼠标时鼠标未响应。窗口显示的是上次保存的配置文件；只有在鼠标响应后才会写入更改。</translation>
    </message>
    <message>
        <source>The changes not written are kept: Apply tries again.</source>
        <translation>未写入的更改已保留：点击“应用”可重试。</translation>
    </message>
    <message>
        <source>profile %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>profiles %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>The last changes to %1 did not reach the mouse. They are shown as changes not yet written: Apply writes them.</source>
        <translation>对%1的最近更改未能写入鼠标。这些更改显示为尚未写入：点击“应用”即可写入。</translation>
    </message>
    <message>
        <source>Changes not written</source>
        <translation>更改未写入</translation>
    </message>
    <message>
        <source>Now on profile %1</source>
        <translation>已切换到配置文件 %1</translation>
    </message>
    <message>
        <source>Hide the on-screen display</source>
        <translation>关闭屏幕显示</translation>
    </message>
    <message>
        <source>Show the on-screen display</source>
        <translation>开启屏幕显示</translation>
    </message>
    <message>
        <source>The window closes</source>
        <translation>窗口即将关闭</translation>
    </message>
    <message>
        <source>Kestrix set-ups (*.%1)</source>
        <translation>Kestrix 设置文件 (*.%1)</translation>
    </message>
    <message>
        <source>Export the set-up</source>
        <translation>导出设置</translation>
    </message>
    <message>
        <source>Kestrix set-up.%1</source>
        <translation>Kestrix 设置.%1</translation>
    </message>
    <message>
        <source>Set-up export</source>
        <translation>导出设置</translation>
    </message>
    <message>
        <source>The mouse did not answer: the set-up was not exported.</source>
        <translation>鼠标未响应：设置未导出。</translation>
    </message>
    <message>
        <source>The set-up could not be saved as %1: %2</source>
        <translation>无法将设置保存为 %1：%2</translation>
    </message>
    <message>
        <source>Import a set-up</source>
        <translation>导入设置</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>无法导入 %1：%2</translation>
    </message>
    <message>
        <source>profile %1 would have no button doing the left click.</source>
        <translation>配置文件 %1 将没有任何按键执行左键单击。</translation>
    </message>
    <message>
        <source>The mouse holds the set-up of %1 already.</source>
        <translation>鼠标中已是 %1 中的设置。</translation>
    </message>
    <message>
        <source>Changes not yet written to the mouse are dropped.</source>
        <translation>尚未写入鼠标的更改将被丢弃。</translation>
    </message>
    <message>
        <source>Importing %1 changes the mouse:</source>
        <translation>导入 %1 将对鼠标进行以下更改：</translation>
    </message>
    <message>
        <source>Sets up the mouse: its five profiles and what each of its buttons does.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>设置鼠标：五个配置文件以及每个按键的功能。</translation>
    </message>
    <message>
        <source>KESTRIX</source>
        <extracomment>the window&apos;s title, 300 points wide</extracomment>
        <translation>KESTRIX</translation>
    </message>
    <message>
        <source>Gaming mouse configuration</source>
        <extracomment>a line of text, 320 points wide</extracomment>
        <translation>游戏鼠标配置</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <extracomment>a caption over controls, 96 points wide</extracomment>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>SELECTED BUTTON</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>所选按键</translation>
    </message>
    <message>
        <source>ASSIGN A FUNCTION</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>指定功能</translation>
    </message>
    <message>
        <source>MOUSE SETTINGS</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <source>Application menu</source>
        <extracomment>the name a screen reader says for menuBtn</extracomment>
        <translation>应用程序菜单</translation>
    </message>
    <message>
        <source>Reset profile</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>重置配置文件</translation>
    </message>
    <message>
        <source>Website</source>
        <extracomment>the name a screen reader says for homeBtn</extracomment>
        <translation>网站</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>the name a screen reader says for helpBtn</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>the name a screen reader says for closeBtn</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <extracomment>the name a screen reader says for profile1Btn</extracomment>
        <translation>配置文件 1</translation>
    </message>
    <message>
        <source>Profile</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Profile 2</source>
        <extracomment>the name a screen reader says for profile2Btn</extracomment>
        <translation>配置文件 2</translation>
    </message>
    <message>
        <source>Profile 3</source>
        <extracomment>the name a screen reader says for profile3Btn</extracomment>
        <translation>配置文件 3</translation>
    </message>
    <message>
        <source>Profile 4</source>
        <extracomment>the name a screen reader says for profile4Btn</extracomment>
        <translation>配置文件 4</translation>
    </message>
    <message>
        <source>Profile 5</source>
        <extracomment>the name a screen reader says for profile5Btn</extracomment>
        <translation>配置文件 5</translation>
    </message>
    <message>
        <source>Left button</source>
        <extracomment>the name a screen reader says for leftClickBtn</extracomment>
        <translation>左键</translation>
    </message>
    <message>
        <source>Mouse button</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>鼠标按键</translation>
    </message>
    <message>
        <source>Right button</source>
        <extracomment>the name a screen reader says for rightBtn</extracomment>
        <translation>右键</translation>
    </message>
    <message>
        <source>Wheel button</source>
        <extracomment>the name a screen reader says for middleClickBtn</extracomment>
        <translation>滚轮键</translation>
    </message>
    <message>
        <source>Front side button</source>
        <extracomment>the name a screen reader says for left1Btn</extracomment>
        <translation>前侧键</translation>
    </message>
    <message>
        <source>Back side button</source>
        <extracomment>the name a screen reader says for left2Btn</extracomment>
        <translation>后侧键</translation>
    </message>
    <message>
        <source>Kind of function</source>
        <extracomment>the name a screen reader says for btnSelTagImageView</extracomment>
        <translation>功能类型</translation>
    </message>
    <message>
        <source>Function of the selected button</source>
        <extracomment>the name a screen reader says for btnSelTagCaptionTxt</extracomment>
        <translation>所选按键的功能</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <extracomment>the label of the control defaultBtn, 92 points wide (English uses 52)</extracomment>
        <translation>默认</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <extracomment>the label of the control singleBtn, 92 points wide (English uses 72)</extracomment>
        <translation>单键</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>the label of the control tkeyBtn, 92 points wide (English uses 44)</extracomment>
        <translation>宏</translation>
    </message>
    <message>
        <source>LAUNCH</source>
        <extracomment>the label of the control launchProBtn, 92 points wide (English uses 50)</extracomment>
        <translation>启动</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the label of the control settingBtn, 126 points wide (English uses 92)</extracomment>
        <translation>性能</translation>
    </message>
    <message>
        <source>Performance</source>
        <extracomment>the name a screen reader says for settingBtn</extracomment>
        <translation>性能</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <extracomment>the label of the control lightOptionBtn, 126 points wide (English uses 58)</extracomment>
        <translation>灯光</translation>
    </message>
    <message>
        <source>Lighting</source>
        <extracomment>the name a screen reader says for lightOptionBtn</extracomment>
        <translation>灯光</translation>
    </message>
    <message>
        <source>MACRO EDITOR</source>
        <extracomment>the label of the control macroBtn, 126 points wide (English uses 94)</extracomment>
        <translation>宏编辑器</translation>
    </message>
    <message>
        <source>Macro editor</source>
        <extracomment>the name a screen reader says for macroBtn</extracomment>
        <translation>宏编辑器</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Single Key Function</source>
        <translation>单键功能</translation>
    </message>
    <message>
        <source>Macro Function</source>
        <translation>宏功能</translation>
    </message>
    <message>
        <source>The set-up was not exported: %1.</source>
        <translation>未导出设置：%1。</translation>
    </message>
    <message>
        <source>Application rules</source>
        <translation>应用程序规则</translation>
    </message>
    <message>
        <source>APP RULES</source>
        <extracomment>the label of the control appRulesBtn, 146 points wide (English uses 74)</extracomment>
        <translation>应用规则</translation>
    </message>
    <message>
        <source>App rules</source>
        <extracomment>the name a screen reader says for appRulesBtn</extracomment>
        <translation>应用规则</translation>
    </message>
    <message>
        <source>The profile follows the application in front</source>
        <extracomment>what a screen reader says appRulesBtn does</extracomment>
        <translation>配置文件跟随前台应用程序</translation>
    </message>
</context>
<context>
    <name>MouseWrites</name>
    <message>
        <source>logo light</source>
        <translation>Logo 灯</translation>
    </message>
    <message>
        <source>wheel light</source>
        <translation>滚轮灯</translation>
    </message>
    <message>
        <source>performance settings</source>
        <translation>性能设置</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>灯光设置</translation>
    </message>
    <message>
        <source>profile switch</source>
        <translation>配置文件切换</translation>
    </message>
    <message>
        <source>The mouse did not take the %1. Is it still plugged in?</source>
        <extracomment>%1 is what was written: &quot;performance settings&quot;, &quot;lighting&quot;, &quot;DPI stage&quot;...</extracomment>
        <translation>%1未被鼠标接受。鼠标是否仍处于连接状态？</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <translation>DPI 档位</translation>
    </message>
    <message>
        <source>polling rate</source>
        <translation>回报率</translation>
    </message>
</context>
<context>
    <name>OsdWords</name>
    <message>
        <source>SENSITIVITY</source>
        <extracomment>The on-screen display of a DPI change: the stage among the mouse&apos;s stages.</extracomment>
        <translation>灵敏度</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>STAGE %1 OF %2</source>
        <translation>第 %1 档（共 %2 档）</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>REPORTS PER SECOND</source>
        <translation>每秒报告次数</translation>
    </message>
    <message>
        <source>ACTIVE PROFILE</source>
        <extracomment>The on-screen display of a profile change: the profile among those the mouse holds.</extracomment>
        <translation>当前配置文件</translation>
    </message>
    <message>
        <source>PROFILE</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>ON-BOARD %1 OF %2</source>
        <translation>板载 %1 / %2</translation>
    </message>
    <message>
        <source>MOUSE LOCK</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>鼠标锁定</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>SWITCH ON</source>
        <translation>开关已打开</translation>
    </message>
    <message>
        <source>LOCKED</source>
        <translation>已锁定</translation>
    </message>
    <message>
        <source>SWITCH OFF</source>
        <translation>开关已关闭</translation>
    </message>
    <message>
        <source>UNLOCKED</source>
        <translation>已解锁</translation>
    </message>
</context>
<context>
    <name>OutputTarget</name>
    <message>
        <source>is a folder</source>
        <extracomment>Why a file cannot be written, said after its name (&quot;out.kxsetup could not be written: is a folder&quot;), as the other reasons here are.</extracomment>
        <translation>是文件夹</translation>
    </message>
    <message>
        <source>is a socket</source>
        <translation>是套接字</translation>
    </message>
    <message>
        <source>is a device, not a file or a terminal</source>
        <translation>是设备，而不是文件或终端</translation>
    </message>
    <message>
        <source>nothing was taken</source>
        <translation>未接收任何数据</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>未指定文件</translation>
    </message>
    <message>
        <source>is not open (%1)</source>
        <translation>未打开（%1）</translation>
    </message>
    <message>
        <source>is a FIFO that no program reads</source>
        <translation>是一个没有程序读取的 FIFO</translation>
    </message>
    <message>
        <source>changed while it was opened</source>
        <translation>在打开过程中发生了变化</translation>
    </message>
</context>
<context>
    <name>Performance</name>
    <message>
        <source>Sets the mouse&apos;s DPI stages and polling rate, the desktop&apos;s pointer, double-click and scroll speeds, and the on-screen display.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>设置鼠标的 DPI 档位和回报率、桌面的指针速度、双击速度和滚动速度，以及屏幕显示。</translation>
    </message>
    <message>
        <source>PERFORMANCE</source>
        <extracomment>the window&apos;s title, 400 points wide</extracomment>
        <translation>性能</translation>
    </message>
    <message>
        <source>DPI STAGE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>DPI 档位</translation>
    </message>
    <message>
        <source>DPI OF THIS STAGE</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>此档位的 DPI</translation>
    </message>
    <message>
        <source>DPI</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>DPI</translation>
    </message>
    <message>
        <source>POLLING RATE</source>
        <extracomment>a caption over controls, 300 points wide</extracomment>
        <translation>回报率</translation>
    </message>
    <message>
        <source>DOUBLE-CLICK SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>双击速度</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>慢</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>a line of text, 40 points wide</extracomment>
        <translation>快</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>指针速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <extracomment>a caption over controls, 160 points wide</extracomment>
        <translation>滚动速度</translation>
    </message>
    <message>
        <source>DPI stage</source>
        <extracomment>the name a screen reader says for dpiLevelPro</extracomment>
        <translation>DPI 档位</translation>
    </message>
    <message>
        <source>DPI of this stage</source>
        <extracomment>the name a screen reader says for dpiPro</extracomment>
        <translation>此档位的 DPI</translation>
    </message>
    <message>
        <source>Exact DPI</source>
        <extracomment>the name a screen reader says for dpiTxt</extracomment>
        <translation>精确 DPI 值</translation>
    </message>
    <message>
        <source>125 Hz</source>
        <extracomment>the label of the control rate125Btn, 92 points wide (English uses 46)</extracomment>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>Polling rate</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>回报率</translation>
    </message>
    <message>
        <source>500 Hz</source>
        <extracomment>the label of the control rate500Btn, 92 points wide (English uses 46)</extracomment>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 Hz</source>
        <extracomment>the label of the control rate1000Btn, 96 points wide (English uses 54)</extracomment>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>Show changes on screen</source>
        <extracomment>the label of the control oneScreenBtn, 300 points wide (English uses 149)</extracomment>
        <translation>在屏幕上显示更改</translation>
    </message>
    <message>
        <source>Double-click speed</source>
        <extracomment>the name a screen reader says for doubleSpeedPro</extracomment>
        <translation>双击速度</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <extracomment>the name a screen reader says for mouseSpeedPro</extracomment>
        <translation>指针速度</translation>
    </message>
    <message>
        <source>Scroll speed</source>
        <extracomment>the name a screen reader says for scrSpeedPro</extracomment>
        <translation>滚动速度</translation>
    </message>
    <message>
        <source>RESET</source>
        <extracomment>the label of the control reDefBtn, 110 points wide (English uses 42)</extracomment>
        <translation>重置</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>the name a screen reader says for reDefBtn</extracomment>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>APPLY</source>
        <extracomment>the label of the control applyBtn, 92 points wide (English uses 41)</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>the name a screen reader says for applyBtn</extracomment>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PerformanceView</name>
    <message>
        <source>Stage %1 of %2</source>
        <translation>第 %1 档（共 %2 档）</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
</context>
<context>
    <name>Popup</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>This profile has changes that are not written to the mouse yet. OK switches to the other profile and drops them; Cancel stays on this profile with them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>此配置文件有尚未写入鼠标的更改。“确定”切换到另一个配置文件并丢弃这些更改；“取消”保留更改并留在此配置文件。</translation>
    </message>
    <message>
        <source>Switch and drop the changes</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>切换并丢弃更改</translation>
    </message>
    <message>
        <source>Stay on this profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>留在此配置文件</translation>
    </message>
    <message>
        <source>Close with unsaved changes?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>有未保存的更改，仍要关闭吗？</translation>
    </message>
    <message>
        <source>There are changes that are not written to the mouse yet. OK writes them to the mouse and closes; Cancel closes without them; Escape goes back to them.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>有尚未写入鼠标的更改。“确定”将更改写入鼠标并关闭；“取消”不写入直接关闭；按 Esc 键返回继续修改。</translation>
    </message>
    <message>
        <source>Write and close</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>写入并关闭</translation>
    </message>
    <message>
        <source>Close without writing</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>不写入直接关闭</translation>
    </message>
    <message>
        <source>Mouse not connected</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>鼠标未连接</translation>
    </message>
    <message>
        <source>The Kestrix mouse is not connected, or it was unplugged. OK closes the window; plug the mouse in, then open Kestrix Mouse again.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>Kestrix 鼠标未连接或已被拔出。“确定”将关闭窗口；请插入鼠标，然后重新打开 Kestrix 鼠标。</translation>
    </message>
    <message>
        <source>Close the window</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>One button must stay the left click</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>必须有一个按键执行左键单击</translation>
    </message>
    <message>
        <source>This is the only button that does the left click, so it cannot be given another function. OK goes back and leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>这是唯一执行左键单击的按键，因此不能为其指定其他功能。“确定”返回并保持原样。</translation>
    </message>
    <message>
        <source>Keep the left click</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>保留左键单击</translation>
    </message>
    <message>
        <source>Reset this profile?</source>
        <extracomment>a message&apos;s title, 288 points wide</extracomment>
        <translation>重置此配置文件？</translation>
    </message>
    <message>
        <source>Every button and setting of this profile goes back to its default and is written to the mouse. OK resets it; Cancel leaves it as it is.</source>
        <extracomment>a message, wrapped in 284 by 72 points</extracomment>
        <translation>此配置文件的所有按键和设置都将恢复为默认值并写入鼠标。“确定”执行重置；“取消”保持原样。</translation>
    </message>
    <message>
        <source>Reset the profile</source>
        <extracomment>what OK does here, spoken</extracomment>
        <translation>重置配置文件</translation>
    </message>
    <message>
        <source>Keep the profile</source>
        <extracomment>what Cancel does here, spoken</extracomment>
        <translation>保留配置文件</translation>
    </message>
</context>
<context>
    <name>ProfileSaves</name>
    <message>
        <source>The profiles could not be saved in %1.</source>
        <translation>无法将配置文件保存到 %1。</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>is larger than %1 MiB</source>
        <extracomment>Why a file is refused, said after its name, as the other reasons here are.</extracomment>
        <translation>大于 %1 MiB</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <translation>大于 %1 字节</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>无法打开（%1）</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
</context>
<context>
    <name>SetupPreviewView</name>
    <message>
        <source>Changes</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
</context>
<context>
    <name>ShowLoadView</name>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
    <message>
        <source>LOADING</source>
        <translation>正在加载</translation>
    </message>
</context>
<context>
    <name>ShowMsgView</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>Locked</source>
        <extracomment>The mouse&apos;s lock switch is on: its buttons are locked.</extracomment>
        <translation>已锁定</translation>
    </message>
    <message>
        <source>Unlocked</source>
        <extracomment>The mouse&apos;s lock switch is off: its buttons work again.</extracomment>
        <translation>已解锁</translation>
    </message>
    <message>
        <source>%1 DPI · stage %2 of %3</source>
        <extracomment>The on-screen display after a DPI change: the value, then which stage of how many.</extracomment>
        <translation>%1 DPI · 第 %2 档（共 %3 档）</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <extracomment>A notification after a DPI change: its summary; the body follows (&quot;Stage 2 of 4&quot;).</extracomment>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>Stage %1 of %2</source>
        <extracomment>A notification after a DPI change: its body, below the summary (&quot;1600 DPI&quot;).</extracomment>
        <translation>第 %1 档（共 %2 档）</translation>
    </message>
    <message>
        <source>Profile %1 · %2</source>
        <extracomment>The display after the application in front chose the profile: &quot;Profile 2 · GIMP&quot;.</extracomment>
        <translation>配置文件 %1 · %2</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The running window did not answer: %1</source>
        <translation>正在运行的窗口未响应：%1</translation>
    </message>
</context>
<context>
    <name>SingleKeyView</name>
    <message>
        <source>Choose a function</source>
        <translation>选择功能</translation>
    </message>
    <message>
        <source>Choose a function from the list first.</source>
        <translation>请先从列表中选择一个功能。</translation>
    </message>
    <message>
        <source>Gives the selected mouse button one function: a click, a key, a media or a system function.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>为所选鼠标按键指定一个功能：单击、按键、媒体功能或系统功能。</translation>
    </message>
    <message>
        <source>SINGLE KEY FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>单键功能</translation>
    </message>
    <message>
        <source>FUNCTION</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>功能</translation>
    </message>
    <message>
        <source>Function</source>
        <extracomment>the name a screen reader says for selComBtn</extracomment>
        <translation>功能</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TKeyRepeatView</name>
    <message>
        <source>Sets how many times the macro runs for each press of the button.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>设置每次按下按键时宏运行的次数。</translation>
    </message>
    <message>
        <source>Times to run the macro:</source>
        <extracomment>a line of text, 176 points wide</extracomment>
        <translation>宏运行次数：</translation>
    </message>
    <message>
        <source>Times to run the macro</source>
        <extracomment>the name a screen reader says for countTxt</extracomment>
        <translation>宏运行次数</translation>
    </message>
    <message>
        <source>Limit of the mouse</source>
        <extracomment>the name a screen reader says for limitTxt</extracomment>
        <translation>鼠标的上限</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TKeyView</name>
    <message>
        <source>Gives the selected mouse button a macro and the way it runs.</source>
        <extracomment>the window&apos;s description, spoken</extracomment>
        <translation>为所选鼠标按键指定宏及其运行方式。</translation>
    </message>
    <message>
        <source>MACRO FUNCTION</source>
        <extracomment>the window&apos;s title, 242 points wide</extracomment>
        <translation>宏功能</translation>
    </message>
    <message>
        <source>MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>宏</translation>
    </message>
    <message>
        <source>RUN THE MACRO</source>
        <extracomment>a caption over controls, 200 points wide</extracomment>
        <translation>运行方式</translation>
    </message>
    <message>
        <source>Macro</source>
        <extracomment>the name a screen reader says for selMacroBtn</extracomment>
        <translation>宏</translation>
    </message>
    <message>
        <source>Once</source>
        <extracomment>the label of the control onceChk, 69 points wide (English uses 31)</extracomment>
        <translation>单次</translation>
    </message>
    <message>
        <source>Run the macro</source>
        <extracomment>the name of a group of choices, spoken</extracomment>
        <translation>宏的运行方式</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <extracomment>the label of the control multTimesChk, 127 points wide (English uses 80)</extracomment>
        <translation>重复次数</translation>
    </message>
    <message>
        <source>Times the macro runs</source>
        <extracomment>the name a screen reader says for countLbl</extracomment>
        <translation>宏运行次数</translation>
    </message>
    <message>
        <source>While held</source>
        <extracomment>the label of the control holdChk, 156 points wide (English uses 63)</extracomment>
        <translation>按住时重复</translation>
    </message>
    <message>
        <source>Until pressed again</source>
        <extracomment>the label of the control untilPreChk, 184 points wide (English uses 116)</extracomment>
        <translation>直到再次按下</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the label of the control okBtn, 92 points wide (English uses 19)</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <extracomment>the label of the control cancelBtn, 92 points wide (English uses 52)</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>the name a screen reader says for cancelBtn</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TkeyRepeatView</name>
    <message>
        <source>At most %1 times on the mouse</source>
        <translation>鼠标最多 %1 次</translation>
    </message>
</context>
<context>
    <name>TkeyView</name>
    <message>
        <source>No macros yet</source>
        <translation>暂无宏</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>There are no macros yet: record one in the macro editor first.</source>
        <translation>还没有宏：请先在宏编辑器中录制一个。</translation>
    </message>
    <message>
        <source>Choose a macro from the list first.</source>
        <translation>请先从列表中选择一个宏。</translation>
    </message>
    <message>
        <source>Repeat count</source>
        <translation>重复次数</translation>
    </message>
    <message>
        <source>1 time</source>
        <translation>1 次</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 次</translation>
    </message>
</context>
</TS>
