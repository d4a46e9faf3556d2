<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>BCDEditor</name>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>부팅 구성을 복구하는 중...</translation>
    </message>
    <message>
        <source>Running bcdboot to rebuild BCD...</source>
        <translation>bcdboot를 실행하여 BCD를 다시 만드는 중...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>휴대용 부팅 모드를 구성하는 중...</translation>
    </message>
    <message>
        <source>Attempting manual BCD repair...</source>
        <translation>BCD 수동 복구를 시도하는 중...</translation>
    </message>
    <message>
        <source>Configuring portable boot settings...</source>
        <translation>휴대용 부팅 설정을 구성하는 중...</translation>
    </message>
    <message>
        <source>Cleaning up invalid boot entries...</source>
        <translation>잘못된 부팅 항목을 정리하는 중...</translation>
    </message>
</context>
<context>
    <name>BootManager</name>
    <message>
        <source>Starting boot repair...</source>
        <translation>부팅 복구를 시작하는 중...</translation>
    </message>
    <message>
        <source>Updating BCD...</source>
        <translation>BCD를 업데이트하는 중...</translation>
    </message>
    <message>
        <source>Verifying boot configuration...</source>
        <translation>부팅 구성을 확인하는 중...</translation>
    </message>
    <message>
        <source>Repairing MBR boot sector...</source>
        <translation>MBR 부트 섹터를 복구하는 중...</translation>
    </message>
    <message>
        <source>Updating partition boot flag...</source>
        <translation>파티션 부팅 플래그를 업데이트하는 중...</translation>
    </message>
    <message>
        <source>Repairing UEFI boot...</source>
        <translation>UEFI 부팅을 복구하는 중...</translation>
    </message>
    <message>
        <source>EFI System Partition not found</source>
        <translation>EFI 시스템 파티션을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Updating UEFI boot entries...</source>
        <translation>UEFI 부팅 항목을 업데이트하는 중...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>부팅 복구를 위해 대상 디스크를 다시 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>BootModeDialog</name>
    <message>
        <source>Target Boot Mode</source>
        <translation>대상 부팅 모드</translation>
    </message>
    <message>
        <source>Select the boot mode for the target disk</source>
        <translation>대상 디스크의 부팅 모드를 선택하세요</translation>
    </message>
    <message>
        <source>UEFI Mode (GPT)</source>
        <translation>UEFI 모드 (GPT)</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>권장</translation>
    </message>
    <message>
        <source>Recommended for computers made after 2012. Supports disks larger than 2TB.</source>
        <translation>2012년 이후에 만든 컴퓨터에 권장됩니다. 2TB보다 큰 디스크를 지원합니다.</translation>
    </message>
    <message>
        <source>Legacy Mode (MBR)</source>
        <translation>레거시 모드 (MBR)</translation>
    </message>
    <message>
        <source>For older computers or special requirements. Supports disks up to 2TB.</source>
        <translation>오래된 컴퓨터나 특수한 요구 사항용입니다. 최대 2TB 디스크를 지원합니다.</translation>
    </message>
    <message>
        <source>⚠  The target computer must support the selected boot mode.</source>
        <translation>⚠  대상 컴퓨터가 선택한 부팅 모드를 지원해야 합니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>UEFI (GPT)</source>
        <translation>UEFI (GPT)</translation>
    </message>
    <message>
        <source>Legacy (MBR)</source>
        <translation>레거시 (MBR)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>BootToolAvailability</name>
    <message>
        <source>bcdedit/bcdboot are not available on this system; the data was copied, the boot configuration was not updated</source>
        <translation>이 시스템에서는 bcdedit/bcdboot를 사용할 수 없습니다. 데이터는 복사되었지만 부팅 구성은 업데이트되지 않았습니다</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>No command given; see --help</source>
        <translation>명령이 지정되지 않았습니다. --help를 참조하십시오</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>알 수 없는 명령: %1</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>알 수 없는 옵션: %1</translation>
    </message>
    <message>
        <source>Unknown clone mode: %1 (disk, system or partition)</source>
        <translation>알 수 없는 복제 모드: %1 (disk, system 또는 partition)</translation>
    </message>
    <message>
        <source>Option %1 needs a value</source>
        <translation>옵션 %1에는 값이 필요합니다</translation>
    </message>
    <message>
        <source>Invalid value for %1: %2</source>
        <translation>%1의 값이 잘못되었습니다: %2</translation>
    </message>
    <message>
        <source>--boot-mode, --space and --data-label apply to system clones only</source>
        <translation>--boot-mode, --space, --data-label은 시스템 복제에만 적용됩니다</translation>
    </message>
    <message>
        <source>--smart and --sector-by-sector exclude each other</source>
        <translation>--smart와 --sector-by-sector는 함께 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>A clone needs a source and a target</source>
        <translation>복제에는 원본과 대상이 필요합니다</translation>
    </message>
    <message>
        <source>A partition clone names its source as DISK:PARTITION</source>
        <translation>파티션 복제는 원본을 디스크:파티션 형식으로 지정합니다</translation>
    </message>
    <message>
        <source>Partition numbers apply to partition clones only</source>
        <translation>파티션 번호는 파티션 복제에만 적용됩니다</translation>
    </message>
    <message>
        <source>No listed disk is %1</source>
        <translation>목록에 %1 디스크가 없습니다</translation>
    </message>
    <message>
        <source>Disk %1 has no partition %2</source>
        <translation>디스크 %1에 파티션 %2이(가) 없습니다</translation>
    </message>
    <message>
        <source>Refusing to overwrite disk %1 without --yes: there is no terminal to confirm on</source>
        <translation>--yes 없이 디스크 %1을(를) 덮어쓰지 않습니다: 확인할 터미널이 없습니다</translation>
    </message>
    <message>
        <source>Everything on disk %1 (%2) will be overwritten. Type the disk number to continue: </source>
        <translation>디스크 %1 (%2)의 모든 내용을 덮어씁니다. 계속하려면 디스크 번호를 입력하십시오: </translation>
    </message>
    <message>
        <source>Not confirmed; nothing was written</source>
        <translation>확인되지 않았습니다. 아무것도 기록되지 않았습니다</translation>
    </message>
    <message>
        <source>Name the disk to check</source>
        <translation>검사할 디스크를 지정하십시오</translation>
    </message>
    <message>
        <source>Invalid value for --data-label: %1</source>
        <translation>--data-label 값이 잘못되었습니다: %1</translation>
    </message>
    <message>
        <source>%1 does not name a partition: after the colon comes a partition number (1 or more), or free for the target</source>
        <translation>%1은(는) 파티션을 가리키지 않습니다: 콜론 뒤에는 파티션 번호(1 이상) 또는 대상의 경우 free가 와야 합니다</translation>
    </message>
    <message>
        <source>Everything on partition %1 of disk %2 (%3) will be overwritten; the disk&apos;s other partitions stay. Type the disk number to continue: </source>
        <translation>디스크 %2 (%3)의 파티션 %1에 있는 모든 내용을 덮어씁니다. 디스크의 다른 파티션은 유지됩니다. 계속하려면 디스크 번호를 입력하십시오: </translation>
    </message>
    <message>
        <source>The copy goes into the largest free region of disk %1 (%2); its partitions stay. Type the disk number to continue: </source>
        <translation>복사본은 디스크 %1 (%2)의 가장 큰 빈 영역에 들어갑니다. 해당 파티션은 유지됩니다. 계속하려면 디스크 번호를 입력하십시오: </translation>
    </message>
</context>
<context>
    <name>CloneConfig</name>
    <message>
        <source>Source partition is not valid</source>
        <translation>원본 파티션이 올바르지 않습니다</translation>
    </message>
    <message>
        <source>Target disk or partition is not valid</source>
        <translation>대상 디스크 또는 파티션이 올바르지 않습니다</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>원본 파티션과 대상 디스크는 같은 디스크에 있을 수 없습니다</translation>
    </message>
    <message>
        <source>Source and target partition cannot be the same</source>
        <translation>원본 파티션과 대상 파티션은 같을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>CloneMode</name>
    <message>
        <source>DiskIO not initialized (call setDiskIO first)</source>
        <translation>DiskIO가 초기화되지 않았습니다 (먼저 setDiskIO를 호출하세요)</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>%1 복사 실패: %2</translation>
    </message>
    <message>
        <source>Regenerating disk identifiers...</source>
        <translation>디스크 식별자 재생성 중...</translation>
    </message>
    <message>
        <source>Failed to give the copy new GPT GUIDs: %1</source>
        <translation>사본에 새 GPT GUID를 지정하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Updating disk signature...</source>
        <translation>디스크 서명 업데이트 중...</translation>
    </message>
    <message>
        <source>Failed to give the copy a new MBR disk signature: %1</source>
        <translation>사본에 새 MBR 디스크 서명을 지정하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>대상 플러시 실패: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>부팅 구성을 복구하는 중...</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source disk holds no Windows installation</source>
        <translation>부팅 복구: 건너뜀, 원본 디스크에 Windows 설치가 없습니다</translation>
    </message>
    <message>
        <source>Comparing what the interrupted run copied of %1...</source>
        <translation>중단된 실행이 %1에서 복사한 내용을 비교하는 중...</translation>
    </message>
</context>
<context>
    <name>CloneOptionsPage</name>
    <message>
        <source>Step 3: Configure and confirm</source>
        <translation>3단계: 구성 및 확인</translation>
    </message>
    <message>
        <source>Source disk</source>
        <translation>원본 디스크</translation>
    </message>
    <message>
        <source>Target disk</source>
        <translation>대상 디스크</translation>
    </message>
    <message>
        <source>Clone Settings</source>
        <translation>복제 설정</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>설정...</translation>
    </message>
    <message>
        <source>Target boot mode</source>
        <translation>대상 부팅 모드</translation>
    </message>
    <message>
        <source>Target disk space</source>
        <translation>대상 디스크 공간</translation>
    </message>
    <message>
        <source>Source partition</source>
        <translation>원본 파티션</translation>
    </message>
    <message>
        <source>This clone cannot start: %1</source>
        <translation>이 복제를 시작할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>ClonePreflight</name>
    <message>
        <source>disk %1</source>
        <translation>디스크 %1</translation>
    </message>
    <message>
        <source>disk %1 (%2)</source>
        <translation>디스크 %1 (%2)</translation>
    </message>
    <message>
        <source>%1; nothing was written</source>
        <translation>%1. 아무것도 기록되지 않았습니다</translation>
    </message>
    <message>
        <source>The target %1 is the source %2 under another name, or shares storage with it</source>
        <translation>대상 %1은(는) 다른 이름의 원본 %2이거나 원본과 저장소를 공유합니다</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2</source>
        <translation>대상 %1이(가) 사용 중입니다: %2</translation>
    </message>
    <message>
        <source>The target %1 cannot be opened for writing: %2</source>
        <translation>대상 %1을(를) 쓰기용으로 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The target %1 is in use: %2; close the programs using it and try again</source>
        <translation>대상 %1이(가) 사용 중입니다: %2. 사용 중인 프로그램을 닫고 다시 시도하십시오</translation>
    </message>
    <message>
        <source>Another clone run is using %1 or %2: %3</source>
        <translation>다른 복제 작업이 %1 또는 %2을(를) 사용 중입니다: %3</translation>
    </message>
</context>
<context>
    <name>CloneProgressPage</name>
    <message>
        <source>Cloning...</source>
        <translation>복제 중...</translation>
    </message>
    <message>
        <source>Preparing clone task...</source>
        <translation>복제 작업을 준비하는 중...</translation>
    </message>
    <message>
        <source>Speed: -- MB/s</source>
        <translation>속도: -- MB/s</translation>
    </message>
    <message>
        <source>Time left: --</source>
        <translation>남은 시간: --</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>마침</translation>
    </message>
    <message>
        <source>Speed: %1 MB/s</source>
        <translation>속도: %1 MB/s</translation>
    </message>
    <message>
        <source>Time left: %1h %2m</source>
        <translation>남은 시간: %1시간 %2분</translation>
    </message>
    <message>
        <source>Time left: %1s</source>
        <translation>남은 시간: %1초</translation>
    </message>
    <message>
        <source>Time left: %1m %2s</source>
        <translation>남은 시간: %1분 %2초</translation>
    </message>
    <message>
        <source>Boot repair is in progress. Please wait until it finishes.</source>
        <translation>부팅 복구가 진행 중입니다. 완료될 때까지 기다려 주세요.</translation>
    </message>
    <message>
        <source>Clone completed</source>
        <translation>복제 완료</translation>
    </message>
    <message>
        <source>The clone and boot repair completed successfully.</source>
        <translation>복제와 부팅 복구가 성공적으로 완료되었습니다.</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>복제가 성공적으로 완료되었습니다</translation>
    </message>
    <message>
        <source>Clone failed</source>
        <translation>복제 실패</translation>
    </message>
    <message>
        <source>Clone failed: %1</source>
        <translation>복제 실패: %1</translation>
    </message>
    <message>
        <source>Verified %1 of copied data</source>
        <translation>복사된 데이터 %1을(를) 검증했습니다</translation>
    </message>
    <message>
        <source>Clone completed with warnings</source>
        <translation>복제가 경고와 함께 완료되었습니다</translation>
    </message>
    <message>
        <source>Unreadable sectors are listed in %1</source>
        <translation>읽을 수 없는 섹터 목록: %1</translation>
    </message>
    <message>
        <source>Check target: no errors</source>
        <translation>대상 검사: 오류 없음</translation>
    </message>
    <message>
        <source>Check target: the copy may not start as it is</source>
        <translation>대상 검사: 이 상태로는 복사본이 부팅되지 않을 수 있습니다</translation>
    </message>
    <message>
        <source>The clone completed successfully.</source>
        <translation>복제가 성공적으로 완료되었습니다.</translation>
    </message>
    <message>
        <source>Clone cancelled</source>
        <translation>복제가 취소되었습니다</translation>
    </message>
    <message>
        <source>Nothing was written to the target.</source>
        <translation>대상에 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished; the target may hold an incomplete copy.</source>
        <translation>복제가 끝나기 전에 중지되었습니다. 대상에 불완전한 사본이 남아 있을 수 있습니다.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Go on with this clone where it stopped; what is on the target already is not copied again</source>
        <translation>이 복제를 멈춘 곳에서 계속합니다. 대상에 이미 있는 것은 다시 복사하지 않습니다</translation>
    </message>
    <message>
        <source>The clone was stopped before it finished. Resume goes on where it stopped.</source>
        <translation>복제가 끝나기 전에 중지되었습니다. 재개하면 멈춘 곳에서 계속합니다.</translation>
    </message>
</context>
<context>
    <name>CloneQuestions</name>
    <message>
        <source>Source in use</source>
        <translation>원본 사용 중</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and no snapshot of them can be taken. A copy read while they change may be torn and may not start.

Read them live anyway?</source>
        <translation>원본 볼륨 %1이(가) 읽기/쓰기로 마운트되어 있어 스냅샷을 만들 수 없습니다. 변경되는 동안 읽은 복사본은 일관성이 깨져 부팅되지 않을 수 있습니다.

그래도 실시간으로 읽으시겠습니까?</translation>
    </message>
    <message>
        <source>Interrupted clone</source>
        <translation>중단된 복제</translation>
    </message>
    <message>
        <source>A clone from this source onto this target was interrupted with %1 of %2 copied.

Resume it, copying only the rest, or start over and copy everything?</source>
        <translation>이 원본에서 이 대상으로의 복제가 %2 중 %1을 복사한 상태에서 중단되었습니다.

나머지만 복사하여 재개하시겠습니까, 아니면 처음부터 모두 복사하시겠습니까?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>처음부터 다시</translation>
    </message>
</context>
<context>
    <name>CloneRefusal</name>
    <message>
        <source>Source disk is not valid</source>
        <translation>원본 디스크가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>Target disk is not valid</source>
        <translation>대상 디스크가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>Source and target disk cannot be the same</source>
        <translation>원본 디스크와 대상 디스크는 같을 수 없습니다</translation>
    </message>
    <message>
        <source>Disk %1 holds the running system (its Windows folder, boot volume or a page file) and is never a target</source>
        <translation>디스크 %1에는 실행 중인 시스템(Windows 폴더, 부팅 볼륨 또는 페이지 파일)이 있으므로 대상이 될 수 없습니다</translation>
    </message>
    <message>
        <source>Target disk is smaller than source disk</source>
        <translation>대상 디스크가 원본 디스크보다 작습니다</translation>
    </message>
    <message>
        <source>Sector-by-sector system clone requires a target disk that is not smaller than the source disk</source>
        <translation>섹터 단위 시스템 복제에는 원본 디스크보다 작지 않은 대상 디스크가 필요합니다</translation>
    </message>
    <message>
        <source>Source and target disks have different logical sector sizes (%1 and %2 bytes); a clone needs the same sector size on both</source>
        <translation>원본 디스크와 대상 디스크의 논리 섹터 크기가 다릅니다(%1바이트와 %2바이트). 복제하려면 양쪽의 섹터 크기가 같아야 합니다</translation>
    </message>
    <message>
        <source>The source disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>원본 디스크의 파티션 테이블이 손상되었습니다(%1). 아무것도 변경되지 않았습니다</translation>
    </message>
</context>
<context>
    <name>CloneResume</name>
    <message>
        <source>There is no journal of an interrupted clone from this source onto this target to resume (%1)</source>
        <translation>이 원본에서 이 대상으로 재개할 중단된 복제의 저널이 없습니다 (%1)</translation>
    </message>
    <message>
        <source>The journal of the interrupted clone cannot be used: %1</source>
        <translation>중단된 복제의 저널을 사용할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The journal was written for another source disk (%1)</source>
        <translation>저널이 다른 원본 디스크용으로 작성되었습니다 (%1)</translation>
    </message>
    <message>
        <source>The journal was written for another target disk (%1)</source>
        <translation>저널이 다른 대상 디스크용으로 작성되었습니다 (%1)</translation>
    </message>
    <message>
        <source>The interrupted clone had another plan (other options, or the source&apos;s used space changed)</source>
        <translation>중단된 복제는 다른 계획이었습니다 (다른 옵션이거나 원본의 사용 공간이 바뀌었습니다)</translation>
    </message>
    <message>
        <source>The source has changed since the interrupted clone</source>
        <translation>중단된 복제 이후 원본이 변경되었습니다</translation>
    </message>
    <message>
        <source>; start the clone again without resuming to copy everything</source>
        <translation>; 모두 복사하려면 재개하지 말고 복제를 다시 시작하십시오</translation>
    </message>
    <message>
        <source>The disks cannot be read to check the interrupted clone: %1</source>
        <translation>중단된 복제를 확인하기 위해 디스크를 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The target no longer holds what the journal says was copied (byte %1 differs); start the clone again without resuming to copy everything</source>
        <translation>저널에 복사되었다고 기록된 내용이 대상에 더 이상 없습니다 (바이트 %1이 다름). 모두 복사하려면 재개하지 말고 복제를 다시 시작하십시오</translation>
    </message>
    <message>
        <source>The clone&apos;s journal cannot be written: %1</source>
        <translation>복제 저널을 쓸 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>CloneRun</name>
    <message>
        <source>The same command with --resume goes on where this run stopped</source>
        <translation>같은 명령에 --resume을 붙이면 이 실행이 멈춘 곳에서 계속합니다</translation>
    </message>
</context>
<context>
    <name>CloneSettingsDialog</name>
    <message>
        <source>Clone Settings</source>
        <translation>복제 설정</translation>
    </message>
    <message>
        <source>Smart clone (recommended)</source>
        <translation>스마트 복제 (권장)</translation>
    </message>
    <message>
        <source>recommended</source>
        <translation>권장</translation>
    </message>
    <message>
        <source>Copy only used sectors — faster and supports large-to-small migration.</source>
        <translation>사용 중인 섹터만 복사합니다 — 더 빠르고 큰 디스크에서 작은 디스크로의 이전을 지원합니다.</translation>
    </message>
    <message>
        <source>4K alignment (SSD optimization)</source>
        <translation>4K 정렬 (SSD 최적화)</translation>
    </message>
    <message>
        <source>Align partitions to 4K boundaries for better SSD performance.</source>
        <translation>SSD 성능 향상을 위해 파티션을 4K 경계에 맞춥니다.</translation>
    </message>
    <message>
        <source>Sector-by-sector clone</source>
        <translation>섹터 단위 복제</translation>
    </message>
    <message>
        <source>Copy every sector including unused space — slower but complete.</source>
        <translation>사용하지 않는 공간을 포함한 모든 섹터를 복사합니다 — 느리지만 완전합니다.</translation>
    </message>
    <message>
        <source>⚠️  Smart clone and Sector-by-sector are mutually exclusive.</source>
        <translation>⚠️  스마트 복제와 섹터 단위 복제는 함께 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Smart clone</source>
        <translation>스마트 복제</translation>
    </message>
    <message>
        <source>4K alignment</source>
        <translation>4K 정렬</translation>
    </message>
    <message>
        <source>No options selected</source>
        <translation>선택된 옵션 없음</translation>
    </message>
    <message>
        <source>Verify the copy</source>
        <translation>복사본 검증</translation>
    </message>
    <message>
        <source>Read every copied range back from the target and compare it with the source.</source>
        <translation>복사한 모든 범위를 대상에서 다시 읽어 원본과 비교합니다.</translation>
    </message>
    <message>
        <source>Continue past unreadable sectors</source>
        <translation>읽을 수 없는 섹터를 건너뛰고 계속</translation>
    </message>
    <message>
        <source>Write zeros for source sectors that cannot be read and list them in a file next to the log.</source>
        <translation>읽을 수 없는 원본 섹터에는 0을 기록하고 로그 옆 파일에 목록을 남깁니다.</translation>
    </message>
</context>
<context>
    <name>CloneWorker</name>
    <message>
        <source>Clone operation cancelled</source>
        <translation>복제 작업이 취소되었습니다</translation>
    </message>
    <message>
        <source>Clone completed successfully</source>
        <translation>복제가 성공적으로 완료되었습니다</translation>
    </message>
    <message>
        <source>Clone operation failed</source>
        <translation>복제 작업 실패</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>부팅 구성을 복구하는 중...</translation>
    </message>
    <message>
        <source>Boot repair failed</source>
        <translation>부팅 복구 실패</translation>
    </message>
    <message>
        <source>Clone completed with unreadable sectors: %1</source>
        <translation>복제가 완료되었으나 읽을 수 없는 섹터가 있습니다: %1</translation>
    </message>
    <message>
        <source>Checking the target...</source>
        <translation>대상을 검사하는 중...</translation>
    </message>
    <message>
        <source>Clone completed with warnings: %1</source>
        <translation>경고와 함께 복제가 완료되었습니다: %1</translation>
    </message>
    <message>
        <source>the check of the copy found errors; it may not start as it is</source>
        <translation>사본 검사에서 오류가 발견되었습니다. 이대로는 시작되지 않을 수 있습니다</translation>
    </message>
    <message>
        <source>Boot repair: not requested</source>
        <translation>부팅 복구: 요청되지 않음</translation>
    </message>
</context>
<context>
    <name>DataPartitionLabel</name>
    <message>
        <source>The data partition label is empty</source>
        <translation>데이터 파티션 레이블이 비어 있습니다</translation>
    </message>
    <message>
        <source>The data partition label is longer than %1 characters</source>
        <translation>데이터 파티션 레이블이 %1자를 초과합니다</translation>
    </message>
    <message>
        <source>The data partition label contains a double quote, a line break or another control character</source>
        <translation>데이터 파티션 레이블에 큰따옴표, 줄 바꿈 또는 기타 제어 문자가 포함되어 있습니다</translation>
    </message>
</context>
<context>
    <name>DiskCard</name>
    <message>
        <source>SSD storage</source>
        <translation>SSD 저장장치</translation>
    </message>
    <message>
        <source>HDD storage</source>
        <translation>HDD 저장장치</translation>
    </message>
    <message>
        <source>Not initialized</source>
        <translation>초기화되지 않음</translation>
    </message>
    <message>
        <source>System disk</source>
        <translation>시스템 디스크</translation>
    </message>
    <message>
        <source>%1 - System clone: boot + Windows partitions only</source>
        <translation>%1 - 시스템 복제: 부팅 + Windows 파티션만</translation>
    </message>
    <message>
        <source>%1 available space - %2</source>
        <translation>사용 가능 공간 %1 - %2</translation>
    </message>
    <message>
        <source>Not cloned</source>
        <translation>복제 안 함</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>디스크 %1</translation>
    </message>
    <message>
        <source>Disk %1: %2</source>
        <translation>디스크 %1: %2</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>부팅</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>테이블 읽기 불가</translation>
    </message>
</context>
<context>
    <name>DiskCloneMode</name>
    <message>
        <source>Rebuilding boot files...</source>
        <translation>부팅 파일을 다시 만드는 중...</translation>
    </message>
    <message>
        <source>Configuring portable boot mode...</source>
        <translation>휴대용 부팅 모드를 구성하는 중...</translation>
    </message>
    <message>
        <source>Configuring system for USB boot...</source>
        <translation>USB 부팅을 위해 시스템을 구성하는 중...</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>디스크 복제</translation>
    </message>
    <message>
        <source>Clone entire disk including all partitions and boot records</source>
        <translation>모든 파티션과 부트 레코드를 포함한 전체 디스크 복제</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>대상 디스크를 정리하는 중...</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>파티션 테이블</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>대상 디스크를 정리하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to copy %1: %2</source>
        <translation>%1 복사 실패: %2</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>파티션 테이블 복사 중...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>파티션 %1/%2 복사 중: %3</translation>
    </message>
    <message>
        <source>Failed to write the GPT for the target disk&apos;s size: %1</source>
        <translation>대상 디스크 크기에 맞는 GPT를 쓰지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>파티션 %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>파티션 %1의 사용 맵을 신뢰할 수 없습니다 (%2). 파티션 전체를 복사했습니다</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>원본 디스크를 열지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>대상 디스크를 열지 못했습니다: %1</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>디스크 전체</translation>
    </message>
    <message>
        <source>Copying the whole disk sector by sector...</source>
        <translation>디스크 전체를 섹터 단위로 복사하는 중...</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>부팅 복구를 위해 대상 디스크를 다시 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DiskGroupHeader</name>
    <message>
        <source>Not initialized</source>
        <translation>초기화되지 않음</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 partition(s)</source>
        <translation>파티션 %1개</translation>
    </message>
    <message>
        <source>Table unreadable</source>
        <translation>테이블 읽기 불가</translation>
    </message>
</context>
<context>
    <name>DiskIO</name>
    <message>
        <source>Source and target are the same device: %1 and %2</source>
        <translation>원본과 대상이 같은 장치입니다: %1 및 %2</translation>
    </message>
    <message>
        <source>Failed to open source: %1</source>
        <translation>원본을 열지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to open target: %1</source>
        <translation>대상을 열지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Source not opened</source>
        <translation>원본이 열려 있지 않습니다</translation>
    </message>
    <message>
        <source>Read failed at sector %1: %2</source>
        <translation>섹터 %1에서 읽기 실패: %2</translation>
    </message>
    <message>
        <source>Target not opened</source>
        <translation>대상이 열려 있지 않습니다</translation>
    </message>
    <message>
        <source>Read target failed at sector %1: %2</source>
        <translation>대상 섹터 %1에서 읽기 실패: %2</translation>
    </message>
    <message>
        <source>Write failed at sector %1: %2</source>
        <translation>섹터 %1에서 쓰기 실패: %2</translation>
    </message>
    <message>
        <source>Aligned buffer not allocated</source>
        <translation>정렬된 버퍼가 할당되지 않았습니다</translation>
    </message>
    <message>
        <source>Source or target not opened</source>
        <translation>원본 또는 대상이 열려 있지 않습니다</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>대상 플러시 실패: %1</translation>
    </message>
    <message>
        <source>Verification failed: sector %1 of the target differs from the source</source>
        <translation>검증 실패: 대상의 섹터 %1이(가) 원본과 다릅니다</translation>
    </message>
</context>
<context>
    <name>DiskInfo</name>
    <message>
        <source>Disk %1</source>
        <translation>디스크 %1</translation>
    </message>
    <message>
        <source>Disk %1 - %2</source>
        <translation>디스크 %1 - %2</translation>
    </message>
    <message>
        <source>Cannot read the partition table: sector %1 unreadable</source>
        <translation>파티션 테이블을 읽을 수 없습니다: 섹터 %1을(를) 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DiskPartitionBar</name>
    <message>
        <source>Recovery</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>LinkManager</name>
    <message>
        <source>配置错误</source>
        <translation>구성 오류</translation>
    </message>
    <message>
        <source>无法加载页面链接。

请联系技术支持或重新安装软件。</source>
        <translation>페이지 링크를 불러올 수 없습니다.

기술 지원에 문의하거나 소프트웨어를 다시 설치하세요.</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>브라우저를 열 수 없음</translation>
    </message>
    <message>
        <source>无法打开默认浏览器。

请手动复制链接访问：
%1</source>
        <translation>기본 브라우저를 열 수 없습니다.

다음 링크를 복사하여 직접 여세요:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Disk cloning</source>
        <translation>디스크 복제 도구</translation>
    </message>
    <message>
        <source>CLONE MODE</source>
        <translation>복제 모드</translation>
    </message>
    <message>
        <source>Disk Clone</source>
        <translation>디스크 복제</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>시스템 복제</translation>
    </message>
    <message>
        <source>Partition Clone</source>
        <translation>파티션 복제</translation>
    </message>
    <message>
        <source>STEPS</source>
        <translation>단계</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>←  Back</source>
        <translation>←  이전</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>파티션</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Start Clone  →</source>
        <translation>복제 시작  →</translation>
    </message>
    <message>
        <source>Next  →</source>
        <translation>다음  →</translation>
    </message>
    <message>
        <source>%1/3</source>
        <translation>%1/3</translation>
    </message>
    <message>
        <source>Selection required</source>
        <translation>선택 필요</translation>
    </message>
    <message>
        <source>Confirm clone</source>
        <translation>복제 확인</translation>
    </message>
    <message>
        <source>Starting clone task...</source>
        <translation>복제 작업을 시작하는 중...</translation>
    </message>
    <message>
        <source>Source partition: %1</source>
        <translation>원본 파티션: %1</translation>
    </message>
    <message>
        <source>Source disk: %1</source>
        <translation>원본 디스크: %1</translation>
    </message>
    <message>
        <source>Target disk: %1</source>
        <translation>대상 디스크: %1</translation>
    </message>
    <message>
        <source>Boot mode: %1</source>
        <translation>부팅 모드: %1</translation>
    </message>
    <message>
        <source>Space allocation: %1</source>
        <translation>공간 할당: %1</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>잠시 기다려 주세요</translation>
    </message>
    <message>
        <source>Boot repair is running and cannot be interrupted safely.</source>
        <translation>부팅 복구가 실행 중이므로 안전하게 중단할 수 없습니다.</translation>
    </message>
    <message>
        <source>Cancel clone</source>
        <translation>복제 취소</translation>
    </message>
    <message>
        <source>Cancel the current clone task?</source>
        <translation>현재 복제 작업을 취소하시겠습니까?</translation>
    </message>
    <message>
        <source>Cancellation requested</source>
        <translation>취소를 요청했습니다</translation>
    </message>
    <message>
        <source>A clone or boot repair task is still running. Please wait until it finishes before closing Tessarin.</source>
        <translation>복제 또는 부팅 복구 작업이 아직 실행 중입니다. 완료될 때까지 기다린 후 Tessarin을 닫으세요.</translation>
    </message>
</context>
<context>
    <name>PartitionCard</name>
    <message>
        <source>%1 total  ·  Disk %2 Partition %3</source>
        <translation>총 %1  ·  디스크 %2 파티션 %3</translation>
    </message>
    <message>
        <source>%1 / %2 used</source>
        <translation>%1 / %2 사용됨</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>부팅</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>PartitionCloneMode</name>
    <message>
        <source>Partition Clone</source>
        <translation>파티션 복제</translation>
    </message>
    <message>
        <source>Clone a single partition to another location</source>
        <translation>단일 파티션을 다른 위치로 복제</translation>
    </message>
    <message>
        <source>Source partition and target disk cannot be on the same disk</source>
        <translation>원본 파티션과 대상 디스크는 같은 디스크에 있을 수 없습니다</translation>
    </message>
    <message>
        <source>The target partition is not on the target disk</source>
        <translation>대상 파티션이 대상 디스크에 있지 않습니다</translation>
    </message>
    <message>
        <source>Target disk is too small (%1) for source data (%2)</source>
        <translation>대상 디스크(%1)가 원본 데이터(%2)에 비해 너무 작습니다</translation>
    </message>
    <message>
        <source>Target partition is too small (%1) for source data (%2)</source>
        <translation>대상 파티션(%1)이 원본 데이터(%2)에 비해 너무 작습니다</translation>
    </message>
    <message>
        <source>The target partition is mounted at %1; unmount it first</source>
        <translation>대상 파티션이 %1에 마운트되어 있습니다. 먼저 마운트를 해제하세요</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>원본 디스크를 열지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>대상 디스크를 열지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The source partition does not lie on whole %1-byte sectors; nothing was changed</source>
        <translation>원본 파티션이 %1 바이트 섹터 단위에 맞지 않습니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>The source partition cannot be read (%1); nothing was changed</source>
        <translation>원본 파티션을 읽을 수 없습니다(%1). 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>The target partition does not start on a %1-byte sector; nothing was changed</source>
        <translation>대상 파티션이 %1 바이트 섹터 경계에서 시작하지 않습니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>Failed to read the target disk&apos;s partition table: %1</source>
        <translation>대상 디스크의 파티션 테이블을 읽지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table is damaged (%1); nothing was changed</source>
        <translation>대상 디스크의 파티션 테이블이 손상되었습니다(%1). 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>The target partition is not a primary entry of the target disk&apos;s partition table; nothing was changed</source>
        <translation>대상 파티션이 대상 디스크 파티션 테이블의 주 항목이 아닙니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition; nothing was changed</source>
        <translation>대상 디스크에 원본 파티션을 위한 공간이 부족합니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>The copy would end beyond what an MBR entry can address; nothing was changed</source>
        <translation>복사본의 끝이 MBR 항목이 주소 지정할 수 있는 범위를 넘어갑니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>대상 디스크를 정리하는 중...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>대상 디스크를 정리하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The target disk now reports %1-byte sectors instead of %2</source>
        <translation>대상 디스크가 이제 %2 바이트가 아닌 %1 바이트 섹터를 보고합니다</translation>
    </message>
    <message>
        <source>Target disk does not have enough space for the source partition</source>
        <translation>대상 디스크에 원본 파티션을 위한 공간이 부족합니다</translation>
    </message>
    <message>
        <source>The copy&apos;s boot sector cannot describe its new place: %1; nothing was changed</source>
        <translation>복사본의 부트 섹터가 새 위치를 나타낼 수 없습니다: %1. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>디스크가 열려 있지 않습니다(먼저 준비하세요)</translation>
    </message>
    <message>
        <source>Copying partition: %1</source>
        <translation>파티션 복사 중: %1</translation>
    </message>
    <message>
        <source>Updating boot sector...</source>
        <translation>부트 섹터 업데이트 중...</translation>
    </message>
    <message>
        <source>Creating partition entry...</source>
        <translation>파티션 항목 생성 중...</translation>
    </message>
    <message>
        <source>Failed to create partition entry - partition will not be visible: %1</source>
        <translation>파티션 항목을 만들지 못했습니다 - 파티션이 표시되지 않습니다: %1</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>대상 플러시 실패: %1</translation>
    </message>
    <message>
        <source>Failed to update boot sector - partition may not be accessible: %1</source>
        <translation>부트 섹터를 업데이트하지 못했습니다 - 파티션에 접근하지 못할 수 있습니다: %1</translation>
    </message>
    <message>
        <source>Failed to read MBR from target disk: %1</source>
        <translation>대상 디스크에서 MBR을 읽지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to write MBR: %1</source>
        <translation>MBR을 쓰지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Repairing boot configuration...</source>
        <translation>부팅 구성을 복구하는 중...</translation>
    </message>
    <message>
        <source>Boot repair of the target disk failed</source>
        <translation>대상 디스크의 부팅 복구에 실패했습니다</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>파티션 %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); the partition was copied whole</source>
        <translation>파티션 %1의 사용 맵을 신뢰할 수 없습니다 (%2). 파티션 전체를 복사했습니다</translation>
    </message>
    <message>
        <source>Boot repair: skipped, the source is not a system partition</source>
        <translation>부팅 복구: 건너뜀, 원본이 시스템 파티션이 아닙니다</translation>
    </message>
    <message>
        <source>The boot repair of the copy failed: %1</source>
        <translation>사본의 부팅 복구에 실패했습니다: %1</translation>
    </message>
    <message>
        <source>Disk %1 has no partition table to keep; nothing was changed</source>
        <translation>디스크 %1에 유지할 파티션 테이블이 없습니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>The largest free region of disk %1 (%2) cannot hold the source partition (%3); nothing was changed</source>
        <translation>디스크 %1의 가장 큰 빈 영역(%2)에 원본 파티션(%3)이 들어가지 않습니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table has no free entry for the copy; nothing was changed</source>
        <translation>대상 디스크의 파티션 테이블에 복사본을 위한 빈 항목이 없습니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>The target disk&apos;s partition table no longer leaves room for the copy at byte %1; nothing was changed</source>
        <translation>대상 디스크의 파티션 테이블이 바이트 %1에 더 이상 복사본을 위한 공간을 남기지 않습니다. 아무것도 변경되지 않았습니다</translation>
    </message>
</context>
<context>
    <name>PartitionInfo</name>
    <message>
        <source>EFI System Partition</source>
        <translation>EFI 시스템 파티션</translation>
    </message>
    <message>
        <source>Recovery Partition</source>
        <translation>복구 파티션</translation>
    </message>
    <message>
        <source>System Reserved</source>
        <translation>시스템 예약</translation>
    </message>
    <message>
        <source>Partition %1</source>
        <translation>파티션 %1</translation>
    </message>
</context>
<context>
    <name>SelectSourcePage</name>
    <message>
        <source>Step 1: Select system disk</source>
        <translation>1단계: 시스템 디스크 선택</translation>
    </message>
    <message>
        <source>Choose the disk that contains the current Windows installation. Only boot and system partitions are cloned.</source>
        <translation>현재 Windows가 설치된 디스크를 선택하세요. 부팅 및 시스템 파티션만 복제됩니다.</translation>
    </message>
    <message>
        <source>Step 1: Select source disk</source>
        <translation>1단계: 원본 디스크 선택</translation>
    </message>
    <message>
        <source>Choose the disk to clone.</source>
        <translation>복제할 디스크를 선택하세요.</translation>
    </message>
    <message>
        <source>Step 1: Select source partition</source>
        <translation>1단계: 원본 파티션 선택</translation>
    </message>
    <message>
        <source>Choose the partition to clone.</source>
        <translation>복제할 파티션을 선택하세요.</translation>
    </message>
    <message>
        <source>No disks found.</source>
        <translation>디스크를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>No partitions found.</source>
        <translation>파티션을 찾을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SelectTargetPage</name>
    <message>
        <source>Step 2: Select target disk</source>
        <translation>2단계: 대상 디스크 선택</translation>
    </message>
    <message>
        <source>Choose the destination disk. All existing data on the target disk will be erased.</source>
        <translation>대상 디스크를 선택하세요. 대상 디스크의 기존 데이터는 모두 지워집니다.</translation>
    </message>
    <message>
        <source>No other disk is available as a target.</source>
        <translation>대상으로 사용할 수 있는 다른 디스크가 없습니다.</translation>
    </message>
    <message>
        <source>Choose the destination disk, then where the copy goes on it: the whole disk (erased), its largest free region (every partition stays) or one of its partitions (overwritten).</source>
        <translation>대상 디스크를 선택한 다음 복사본이 들어갈 위치를 선택하십시오: 디스크 전체(지워짐), 가장 큰 빈 영역(모든 파티션 유지) 또는 파티션 하나(덮어씀).</translation>
    </message>
    <message>
        <source>Partitions smaller than the source partition, or mounted, are not offered.</source>
        <translation>원본 파티션보다 작거나 마운트된 파티션은 표시되지 않습니다.</translation>
    </message>
    <message>
        <source>Whole disk</source>
        <translation>디스크 전체</translation>
    </message>
    <message>
        <source>Every partition on the disk is erased; the copy starts at 1 MiB.</source>
        <translation>디스크의 모든 파티션이 지워지며 복사본은 1 MiB에서 시작합니다.</translation>
    </message>
    <message>
        <source>Largest free region</source>
        <translation>가장 큰 빈 영역</translation>
    </message>
    <message>
        <source>%1 free at %2; the copy is added as a new partition and every partition stays.</source>
        <translation>%2 위치에 %1 비어 있음. 복사본은 새 파티션으로 추가되며 모든 파티션이 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>SourceReading</name>
    <message>
        <source>this system takes no snapshots of them</source>
        <translation>이 시스템은 해당 볼륨의 스냅샷을 만들지 않습니다</translation>
    </message>
    <message>
        <source>The source&apos;s volumes %1 are mounted read-write and cannot be read through a snapshot (%2); a copy read while they change may be torn. Unmount them or mount them read-only, or accept reading them live (--live-source)</source>
        <translation>원본 볼륨 %1이(가) 읽기/쓰기로 마운트되어 있어 스냅샷을 통해 읽을 수 없습니다(%2). 변경되는 동안 읽은 복사본은 일관성이 깨질 수 있습니다. 마운트를 해제하거나 읽기 전용으로 마운트하거나, 실시간 읽기를 허용하십시오(--live-source)</translation>
    </message>
    <message>
        <source>The snapshot of the source volume %1 cannot be read: %2</source>
        <translation>원본 볼륨 %1의 스냅샷을 읽을 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>SpaceAllocationDialog</name>
    <message>
        <source>Target Disk Space Allocation</source>
        <translation>대상 디스크 공간 할당</translation>
    </message>
    <message>
        <source>Select how to handle the remaining space</source>
        <translation>남은 공간을 처리할 방법을 선택하세요</translation>
    </message>
    <message>
        <source>Expand system partition (use all space)</source>
        <translation>시스템 파티션 확장 (모든 공간 사용)</translation>
    </message>
    <message>
        <source>Extend the system partition to fill the entire disk.</source>
        <translation>시스템 파티션을 디스크 전체로 확장합니다.</translation>
    </message>
    <message>
        <source>Create a separate data partition</source>
        <translation>별도의 데이터 파티션 만들기</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>권장</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>레이블:</translation>
    </message>
    <message>
        <source>Keep as unallocated space</source>
        <translation>할당되지 않은 공간으로 유지</translation>
    </message>
    <message>
        <source>Leave the remaining space unpartitioned. You can partition it manually later.</source>
        <translation>남은 공간을 파티션 없이 둡니다. 나중에 직접 파티션을 만들 수 있습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Expand system partition</source>
        <translation>시스템 파티션 확장</translation>
    </message>
    <message>
        <source>Create data partition</source>
        <translation>데이터 파티션 만들기</translation>
    </message>
    <message>
        <source>Keep unallocated</source>
        <translation>할당 안 함</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>SystemCloneMode</name>
    <message>
        <source>Configuring system for hardware migration...</source>
        <translation>하드웨어 마이그레이션을 위해 시스템을 구성하는 중...</translation>
    </message>
    <message>
        <source>Enabling standard storage drivers...</source>
        <translation>표준 저장소 드라이버를 활성화하는 중...</translation>
    </message>
    <message>
        <source>Keeping existing storage drivers enabled...</source>
        <translation>기존 저장소 드라이버를 활성 상태로 유지하는 중...</translation>
    </message>
    <message>
        <source>Rebuilding boot configuration...</source>
        <translation>부팅 구성을 다시 만드는 중...</translation>
    </message>
    <message>
        <source>Configuring boot options...</source>
        <translation>부팅 옵션을 구성하는 중...</translation>
    </message>
    <message>
        <source>Partition %1 does not start on a %2-byte sector</source>
        <translation>파티션 %1이(가) %2 바이트 섹터 경계에서 시작하지 않습니다</translation>
    </message>
    <message>
        <source>Partition %1 overlaps the partition before it</source>
        <translation>파티션 %1이(가) 앞 파티션과 겹칩니다</translation>
    </message>
    <message>
        <source>Partition %1 would exceed target disk size</source>
        <translation>파티션 %1이(가) 대상 디스크 크기를 초과합니다</translation>
    </message>
    <message>
        <source>Resizing partition %1: %2 -&gt; %3 bytes</source>
        <translation>파티션 %1 크기 조정 중: %2 -&gt; %3 바이트</translation>
    </message>
    <message>
        <source>Created data partition %1: %2 GB</source>
        <translation>데이터 파티션 %1을(를) 만들었습니다: %2 GB</translation>
    </message>
    <message>
        <source>System Clone</source>
        <translation>시스템 복제</translation>
    </message>
    <message>
        <source>Migrate operating system to a new disk with automatic boot repair</source>
        <translation>자동 부팅 복구와 함께 운영 체제를 새 디스크로 이전</translation>
    </message>
    <message>
        <source>Legacy (MBR) target boot requires an MBR source system disk.</source>
        <translation>대상의 레거시(MBR) 부팅에는 MBR 원본 시스템 디스크가 필요합니다.</translation>
    </message>
    <message>
        <source>UEFI (GPT) target boot requires a GPT source system disk.</source>
        <translation>대상의 UEFI(GPT) 부팅에는 GPT 원본 시스템 디스크가 필요합니다.</translation>
    </message>
    <message>
        <source>No system partitions found on source disk</source>
        <translation>원본 디스크에서 시스템 파티션을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Target disk is too small. Used space: %1 GB, Target: %2 GB</source>
        <translation>대상 디스크가 너무 작습니다. 사용 공간: %1 GB, 대상: %2 GB</translation>
    </message>
    <message>
        <source>Cleaning target disk...</source>
        <translation>대상 디스크를 정리하는 중...</translation>
    </message>
    <message>
        <source>Failed to clean target disk: %1</source>
        <translation>대상 디스크를 정리하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The target disk is smaller than its record says (%1 bytes); nothing was copied</source>
        <translation>대상 디스크가 기록된 크기(%1 바이트)보다 작습니다. 아무것도 복사되지 않았습니다</translation>
    </message>
    <message>
        <source>Source disk size is invalid</source>
        <translation>원본 디스크 크기가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>whole disk</source>
        <translation>전체 디스크</translation>
    </message>
    <message>
        <source>partition table</source>
        <translation>파티션 테이블</translation>
    </message>
    <message>
        <source>Partition %1 lies beyond the end of the source disk; nothing was changed</source>
        <translation>파티션 %1이(가) 원본 디스크의 끝을 넘어 있습니다. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>The file system of partition %1 claims more space than the partition holds; repair it before cloning; nothing was changed</source>
        <translation>파티션 %1의 파일 시스템이 파티션 크기보다 많은 공간을 차지한다고 표시합니다. 복제하기 전에 복구하세요. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>Failed to read partition %1: %2</source>
        <translation>파티션 %1을(를) 읽지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Disks are not open (prepare first)</source>
        <translation>디스크가 열려 있지 않습니다(먼저 준비하세요)</translation>
    </message>
    <message>
        <source>Copying whole disk sector-by-sector...</source>
        <translation>전체 디스크를 섹터 단위로 복사 중...</translation>
    </message>
    <message>
        <source>Copying partition table...</source>
        <translation>파티션 테이블 복사 중...</translation>
    </message>
    <message>
        <source>Copying partition %1 of %2: %3</source>
        <translation>파티션 %1/%2 복사 중: %3</translation>
    </message>
    <message>
        <source>Failed to flush target: %1</source>
        <translation>대상 플러시 실패: %1</translation>
    </message>
    <message>
        <source>Fixing partition table...</source>
        <translation>파티션 테이블 수정 중...</translation>
    </message>
    <message>
        <source>Failed to fix GPT header: %1</source>
        <translation>GPT 헤더를 수정하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to update the target&apos;s partition table: %1</source>
        <translation>대상의 파티션 테이블을 업데이트하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to update the boot sector of moved partition %1: %2</source>
        <translation>이동된 파티션 %1의 부트 섹터를 업데이트하지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Creating data partition...</source>
        <translation>데이터 파티션 생성 중...</translation>
    </message>
    <message>
        <source>Expanding system partition...</source>
        <translation>시스템 파티션 확장 중...</translation>
    </message>
    <message>
        <source>Formatting data partition...</source>
        <translation>데이터 파티션 포맷 중...</translation>
    </message>
    <message>
        <source>Cannot identify a separate data partition safely; refusing to format</source>
        <translation>별도의 데이터 파티션을 안전하게 식별할 수 없어 포맷을 거부합니다</translation>
    </message>
    <message>
        <source>The source disk has no active partition; without bcdboot the copy cannot be made to start</source>
        <translation>원본 디스크에 활성 파티션이 없습니다. bcdboot 없이는 복사본을 부팅 가능하게 만들 수 없습니다</translation>
    </message>
    <message>
        <source>The source starts from partition %1, which a system clone does not copy; without bcdboot the copy cannot be made to start</source>
        <translation>원본은 파티션 %1에서 부팅하지만 시스템 복제는 이 파티션을 복사하지 않습니다. bcdboot 없이는 복사본을 부팅 가능하게 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Partition %1 (%2): %3</source>
        <translation>파티션 %1 (%2): %3</translation>
    </message>
    <message>
        <source>The usage map of partition %1 cannot be trusted (%2); repair the file system before cloning; nothing was changed</source>
        <translation>파티션 %1의 사용 맵을 신뢰할 수 없습니다 (%2). 복제하기 전에 파일 시스템을 복구하십시오. 아무것도 변경되지 않았습니다</translation>
    </message>
    <message>
        <source>No data partition was created: %1</source>
        <translation>데이터 파티션이 만들어지지 않았습니다: %1</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was not created: %2</source>
        <translation>데이터 파티션 &quot;%1&quot;이(가) 만들어지지 않았습니다: %2</translation>
    </message>
    <message>
        <source>The data partition &quot;%1&quot; was created but not formatted (format it before use): %2</source>
        <translation>데이터 파티션 &quot;%1&quot;이(가) 만들어졌지만 포맷되지 않았습니다(사용하기 전에 포맷하십시오): %2</translation>
    </message>
    <message>
        <source>Failed to open source disk: %1</source>
        <translation>원본 디스크를 열지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Failed to open target disk: %1</source>
        <translation>대상 디스크를 열지 못했습니다: %1</translation>
    </message>
    <message>
        <source>The target disk cannot be read back for the boot repair</source>
        <translation>부팅 복구를 위해 대상 디스크를 다시 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>The system partition was not expanded: no Windows volume is among the copied partitions</source>
        <translation>시스템 파티션이 확장되지 않았습니다: 복사한 파티션 중에 Windows 볼륨이 없습니다</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: %2</source>
        <translation>시스템 파티션 %1이(가) 확장되지 않았습니다: %2</translation>
    </message>
    <message>
        <source>The system partition %1 was not expanded: its file system could not be grown: %2</source>
        <translation>시스템 파티션 %1이(가) 확장되지 않았습니다: 파일 시스템을 확장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Data partition: not made, the target has no room beyond the system partitions</source>
        <translation>데이터 파티션: 만들지 않음, 대상에 시스템 파티션 외의 공간이 없습니다</translation>
    </message>
    <message>
        <source>System partition: not expanded, the target has no room beyond the system partitions</source>
        <translation>시스템 파티션: 확장하지 않음, 대상에 시스템 파티션 외의 공간이 없습니다</translation>
    </message>
    <message>
        <source>Moving a BIOS (MBR) system disk to UEFI boot needs a new partition table; a sector-by-sector copy cannot do that.</source>
        <translation>BIOS(MBR) 시스템 디스크를 UEFI 부팅으로 옮기려면 새 파티션 테이블이 필요합니다. 섹터 단위 복사로는 할 수 없습니다.</translation>
    </message>
    <message>
        <source>Moving to UEFI boot needs the Windows volume of the source disk, and none was found.</source>
        <translation>UEFI 부팅으로 옮기려면 원본 디스크의 Windows 볼륨이 필요하지만 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>Formatting the new EFI system partition...</source>
        <translation>새 EFI 시스템 파티션을 포맷하는 중...</translation>
    </message>
    <message>
        <source>The new EFI system partition could not be made: %1</source>
        <translation>새 EFI 시스템 파티션을 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Writing the new GPT...</source>
        <translation>새 GPT를 쓰는 중...</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source>Idle</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>준비 중</translation>
    </message>
    <message>
        <source>Cloning data</source>
        <translation>데이터 복제 중</translation>
    </message>
    <message>
        <source>Repairing boot configuration</source>
        <translation>부팅 구성 복구 중</translation>
    </message>
    <message>
        <source>Verifying data</source>
        <translation>데이터 확인 중</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Expand System Partition</source>
        <translation>시스템 파티션 확장</translation>
    </message>
    <message>
        <source>Keep Original + Create Data Partition</source>
        <translation>원래 크기 유지 + 데이터 파티션 만들기</translation>
    </message>
    <message>
        <source>Keep Original Size</source>
        <translation>원래 크기 유지</translation>
    </message>
</context>
<context>
    <name>TitleMenu</name>
    <message>
        <source>About Marlowtek Tessarin</source>
        <translation>Marlowtek Tessarin 정보</translation>
    </message>
    <message>
        <source>Marlowtek Tessarin

A professional disk cloning and system migration solution for Windows.
Clone entire disks, migrate operating systems, copy selected partitions, and create reliable bootable drives with smart cloning and SSD optimization support.</source>
        <translation>Marlowtek Tessarin

Windows용 전문 디스크 복제 및 시스템 마이그레이션 솔루션입니다.
스마트 복제와 SSD 최적화로 디스크 전체 복제, 운영 체제 이전, 선택한 파티션 복사, 안정적인 부팅 드라이브 생성을 지원합니다.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>WizardState</name>
    <message>
        <source>Please select a source partition.</source>
        <translation>원본 파티션을 선택하세요.</translation>
    </message>
    <message>
        <source>Please select a source disk.</source>
        <translation>원본 디스크를 선택하세요.</translation>
    </message>
    <message>
        <source>Please select a target disk.</source>
        <translation>대상 디스크를 선택하세요.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Disk %1 has no free region large enough for the source partition.</source>
        <translation>디스크 %1에는 원본 파티션을 담을 만큼 큰 빈 영역이 없습니다.</translation>
    </message>
    <message>
        <source>Please select a target partition at least as large as the source partition.</source>
        <translation>원본 파티션 이상의 크기인 대상 파티션을 선택하십시오.</translation>
    </message>
    <message>
        <source>Source: partition %1 (%2) on disk %3</source>
        <translation>원본: 디스크 %3의 파티션 %1 (%2)</translation>
    </message>
    <message>
        <source>Source: %1 (%2, %3)</source>
        <translation>원본: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Target: %1 (%2, %3)</source>
        <translation>대상: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>계속하시겠습니까?</translation>
    </message>
    <message>
        <source>All data on the target disk will be erased.</source>
        <translation>대상 디스크의 모든 데이터가 지워집니다.</translation>
    </message>
    <message>
        <source>The copy becomes a new partition in the disk&apos;s free region of %1 at %2. Nothing is overwritten; every partition on the disk stays: %3.</source>
        <translation>복사본은 디스크의 빈 영역(%1, 위치 %2)에 새 파티션으로 만들어집니다. 아무것도 덮어쓰지 않으며 디스크의 모든 파티션이 유지됩니다: %3.</translation>
    </message>
    <message>
        <source>Partition %1 (%2, %3) will be overwritten and everything on it lost. The disk&apos;s other partitions stay: %4.</source>
        <translation>파티션 %1(%2, %3)을(를) 덮어쓰며 그 안의 모든 내용이 사라집니다. 디스크의 다른 파티션은 유지됩니다: %4.</translation>
    </message>
    <message>
        <source>The whole target disk will be erased, with every partition on it: %1.</source>
        <translation>대상 디스크 전체가 그 안의 모든 파티션과 함께 지워집니다: %1.</translation>
    </message>
    <message>
        <source>used data only</source>
        <translation>사용 중인 데이터만</translation>
    </message>
    <message>
        <source>sector by sector</source>
        <translation>섹터 단위</translation>
    </message>
    <message>
        <source>in full</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>%1: %2, sector %3 to sector %4, %5</source>
        <translation>%1: %2, 섹터 %3 → 섹터 %4, %5</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>합계: %1</translation>
    </message>
    <message>
        <source>Copied to the target:</source>
        <translation>대상으로 복사:</translation>
    </message>
    <message>
        <source>Partition table:</source>
        <translation>파티션 테이블:</translation>
    </message>
    <message>
        <source>Remaining space:</source>
        <translation>남은 공간:</translation>
    </message>
    <message>
        <source>Boot repair:</source>
        <translation>부팅 복구:</translation>
    </message>
</context>
</TS>
